#include "ui/dialogs/windowlistdialog.h"

#include "lang/searchtext.h"
#include "lang/texttable.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>

namespace tabulet::ui {
namespace {

constexpr int kTitleColumnWidth = 130;
constexpr int kStatusColumnWidth = 100;
constexpr int kSerialRole = Qt::UserRole;
constexpr int kDialogWidth = 560;
constexpr int kDialogHeight = 360;

QPushButton *makeButton(const QString &text, const char *name, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    return button;
}

} // namespace

WindowListDialog::WindowListDialog(lang::TextTable &texts, const settings::NoteList &notes, NoteText noteText,
                                   QWidget *parent)
    : QDialog(parent), m_texts(texts), m_notes(notes), m_noteText(std::move(noteText))
{
    setObjectName(QStringLiteral("windowListDialog"));
    setWindowTitle(texts.text(QStringLiteral("DOCUMENTS")));

    m_search = new QLineEdit(this);
    m_search->setObjectName(QStringLiteral("search"));
    m_search->setClearButtonEnabled(true);
    // The placeholder also names the field for screen readers: no label shows beside it.
    m_search->setPlaceholderText(texts.text(QStringLiteral("DOCLIST_SEARCH")));
    m_search->setAccessibleName(m_search->placeholderText());
    m_search->installEventFilter(this);
    connect(m_search, &QLineEdit::textChanged, this, &WindowListDialog::fillList);

    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("notes"));
    m_list->setRootIsDecorated(false);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setHeaderLabels({texts.text(QStringLiteral("NOTE_TITLE")), texts.text(QStringLiteral("NOTE_STATUS")),
                             texts.text(QStringLiteral("DOCLIST_FOUNDTEXT"))});
    m_list->header()->resizeSection(0, kTitleColumnWidth);
    m_list->header()->resizeSection(1, kStatusColumnWidth);

    m_showVisible = new QCheckBox(texts.text(QStringLiteral("DOCLIST_SHOWVISIBLE")), this);
    m_showVisible->setObjectName(QStringLiteral("showVisible"));
    m_showHidden = new QCheckBox(texts.text(QStringLiteral("DOCLIST_SHOWHIDDEN")), this);
    m_showHidden->setObjectName(QStringLiteral("showHidden"));
    m_showVisible->setChecked(true);
    m_showHidden->setChecked(true);

    m_activate = makeButton(texts.text(QStringLiteral("IDC_ACTIVATE")), "activate", this);
    m_activate->setDefault(true);
    auto *ok = makeButton(texts.text(QStringLiteral("IDOK")), "ok", this);
    auto *cancel = makeButton(texts.text(QStringLiteral("IDCANCEL")), "cancel", this);
    m_showHide = makeButton(texts.text(QStringLiteral("NOTE_SHOW")), "showHide", this);
    m_up = makeButton(texts.text(QStringLiteral("DOCLIST_UP")), "up", this);
    m_down = makeButton(texts.text(QStringLiteral("DOCLIST_DOWN")), "down", this);

    connect(m_showVisible, &QCheckBox::clicked, this, &WindowListDialog::fillList);
    connect(m_showHidden, &QCheckBox::clicked, this, &WindowListDialog::fillList);
    connect(m_list, &QTreeWidget::itemSelectionChanged, this, &WindowListDialog::updateButtons);
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, &WindowListDialog::activate);
    connect(m_activate, &QPushButton::clicked, this, &WindowListDialog::activate);
    connect(m_showHide, &QPushButton::clicked, this, &WindowListDialog::toggleShown);
    connect(m_up, &QPushButton::clicked, this, [this] { moveSelected(-1); });
    connect(m_down, &QPushButton::clicked, this, [this] { moveSelected(+1); });
    connect(ok, &QPushButton::clicked, this, [this] { done(Ok); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *side = new QVBoxLayout;
    for (QPushButton *button : {m_activate, ok, cancel, m_showHide, m_up, m_down})
        side->addWidget(button);
    side->addStretch();
    auto *filters = new QHBoxLayout;
    filters->addWidget(m_showVisible);
    filters->addWidget(m_showHidden);
    auto *left = new QVBoxLayout;
    left->addWidget(m_search);
    left->addWidget(m_list);
    left->addLayout(filters);
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(side);
    resize(kDialogWidth, kDialogHeight);
    fillList();
    // The document list's shortcut and a few letters find a note.
    m_search->setFocus();
}

bool WindowListDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_search && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (m_list->topLevelItemCount() > 0) {
                m_list->setCurrentItem(m_list->topLevelItem(0));
                activate();
            }
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void WindowListDialog::fillList()
{
    addRows();
    updateButtons();
}

void WindowListDialog::addRows()
{
    m_list->clear();
    const QStringList words = lang::searchWords(m_search->text());
    QString excerpt;
    for (const settings::Note &note : m_notes) {
        if (!(note.visible ? m_showVisible->isChecked() : m_showHidden->isChecked()))
            continue;
        if (!words.isEmpty() && !matches(note, words, excerpt))
            continue;
        auto *row = new QTreeWidgetItem(m_list, {note.title, QString(), words.isEmpty() ? QString() : excerpt});
        row->setData(0, kSerialRole, note.serial);
        markShown(*row, note);
    }
}

bool WindowListDialog::matches(const settings::Note &note, const QStringList &words, QString &excerpt) const
{
    excerpt.clear();
    const QString title = lang::foldForSearch(note.title).text;
    const rtf::NoteTextCache::Text *text = m_noteText ? m_noteText(note) : nullptr;
    for (const QString &word : words) {
        const qsizetype inText = text ? text->folded.text.indexOf(word) : -1;
        if (inText < 0 && !title.contains(word))
            return false;
        if (inText >= 0 && excerpt.isEmpty()) {
            const qsizetype from = text->folded.originalPosition(inText);
            excerpt =
                lang::searchExcerpt(text->plain, from, text->folded.originalPosition(inText + word.size()) - from);
        }
    }
    return true;
}

void WindowListDialog::updateButtons()
{
    const int row = selectedRow();
    const int rows = m_list->topLevelItemCount();
    const std::pair<QPushButton *, bool> states[] = {
        {m_activate, row >= 0}, {m_showHide, row >= 0}, {m_up, row > 0}, {m_down, row >= 0 && row < rows - 1}};
    // A button about to be greyed hands the keyboard to the list, not to its neighbour: pressing
    // Space again must not press Down after Up.
    for (const auto &[button, enabled] : states) {
        if (!enabled && button->hasFocus())
            m_list->setFocus();
    }
    for (const auto &[button, enabled] : states)
        button->setEnabled(enabled);
    if (row < 0)
        return;
    const int index = m_notes.indexOfSerial(m_list->topLevelItem(row)->data(0, kSerialRole).toInt());
    m_showHide->setText(
        m_texts.text(m_notes[index].visible ? QStringLiteral("NOTE_HIDE") : QStringLiteral("NOTE_SHOW")));
}

int WindowListDialog::selectedRow() const
{
    const QList<QTreeWidgetItem *> selected = m_list->selectedItems();
    return selected.isEmpty() ? -1 : m_list->indexOfTopLevelItem(selected.first());
}

QString WindowListDialog::statusText(const settings::Note &note) const
{
    return m_texts.text(note.visible ? QStringLiteral("NOTE_VISIBLE") : QStringLiteral("NOTE_HIDDEN"));
}

void WindowListDialog::markShown(QTreeWidgetItem &row, const settings::Note &note) const
{
    row.setText(1, statusText(note));
    // A hidden note's row is greyed and in italics, in every column.
    const QBrush text = note.visible ? QBrush() : palette().brush(QPalette::Disabled, QPalette::Text);
    for (int column = 0; column < m_list->columnCount(); ++column) {
        QFont font = m_list->font();
        font.setItalic(!note.visible);
        row.setFont(column, font);
        row.setForeground(column, text);
    }
}

void WindowListDialog::toggleShown()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    QTreeWidgetItem *item = m_list->topLevelItem(row);
    settings::Note &note = m_notes[m_notes.indexOfSerial(item->data(0, kSerialRole).toInt())];
    note.visible = !note.visible;
    // The row stays, even when the filter would now leave it out.
    markShown(*item, note);
    updateButtons();
}

void WindowListDialog::moveSelected(int step)
{
    const int row = selectedRow();
    const int neighbourRow = row + step;
    if (row < 0 || neighbourRow < 0 || neighbourRow >= m_list->topLevelItemCount())
        return;
    const int serial = m_list->topLevelItem(row)->data(0, kSerialRole).toInt();
    const int neighbour = m_list->topLevelItem(neighbourRow)->data(0, kSerialRole).toInt();
    // Past the neighbour the list shows, whatever notes the filters hide in between: the move
    // the user sees is the move that happens.
    m_notes.move(m_notes.indexOfSerial(serial), m_notes.indexOfSerial(neighbour));
    {
        // The buttons stay enabled through the refill, so that the focus stays on the one pressed.
        const QSignalBlocker quiet(m_list);
        addRows();
        for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
            QTreeWidgetItem *item = m_list->topLevelItem(i);
            if (item->data(0, kSerialRole).toInt() == serial) {
                m_list->setCurrentItem(item);
                m_list->scrollToItem(item);
            }
        }
    }
    updateButtons();
}

void WindowListDialog::activate()
{
    const int row = selectedRow();
    m_activatedSerial = row < 0 ? -1 : m_list->topLevelItem(row)->data(0, kSerialRole).toInt();
    done(Activate);
}

} // namespace tabulet::ui
