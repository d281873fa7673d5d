#include "ui/dialogs/tipdialog.h"

#include "lang/texttable.h"
#include "ui/applicationcontext.h"
#include "ui/dialogs/aboutdialog.h"
#include "ui/dialogs/besidewindow.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

namespace tabulet::ui {

namespace {

const QString kEnglishTips = QStringLiteral("tips.txt");

} // namespace

TipList TipList::fromText(const QByteArray &bytes)
{
    TipList list;
    for (const QByteArray &line : bytes.split('\n')) {
        QString tip = QString::fromUtf8(line).trimmed();
        if (tip.isEmpty() || tip.startsWith(QLatin1Char('#')))
            continue;
        list.m_tips << tip.replace(QLatin1String("\\n"), QLatin1String("\n"));
    }
    return list;
}

QString TipList::filePath(const QString &programFolder, const QString &languageFile)
{
    const QString folder = programFolder + QStringLiteral("/tips/");
    // Only a plain language name picks a file: a configured name never reaches outside the folder.
    const QString language = QFileInfo(languageFile).completeBaseName();
    if (!language.isEmpty() && !languageFile.contains(QLatin1Char('/')) && !languageFile.contains(QLatin1Char('\\'))) {
        const QString own = folder + language + QStringLiteral(".txt");
        if (language + QStringLiteral(".txt") != kEnglishTips && QFileInfo(own).isFile())
            return own;
    }
    return folder + kEnglishTips;
}

TipList TipList::load(const QString &path)
{
    QFile file(path);
    if (file.size() > kMaxFileSize || !file.open(QIODevice::ReadOnly))
        return {};
    return fromText(file.readAll());
}

qsizetype TipList::indexOf(const QString &currentTip) const
{
    if (m_tips.isEmpty())
        return 0;
    bool ok = false;
    const qlonglong number = currentTip.trimmed().toLongLong(&ok);
    if (!ok)
        return 0;
    const qlonglong count = m_tips.size();
    return static_cast<qsizetype>(((number % count) + count) % count);
}

TipDialog::TipDialog(TipList tips, lang::TextTable &texts, const QString &currentTip, bool showOnStartup,
                     QWidget *parent, std::function<qsizetype(qsizetype)> pick)
    : QDialog(parent), m_tips(std::move(tips)), m_currentTip(currentTip), m_pick(std::move(pick))
{
    if (!m_pick)
        m_pick = [](qsizetype bound) {
            return static_cast<qsizetype>(QRandomGenerator::global()->bounded(bound));
        };
    setObjectName(QStringLiteral("tipDialog"));
    setWindowTitle(texts.text(QStringLiteral("ID_TIPOFTHEDAY")));
    auto *layout = new QVBoxLayout(this);
    m_tip = new QLabel(this);
    m_tip->setObjectName(QStringLiteral("tip"));
    // Tips files are plain text: markup in them is shown, never interpreted.
    m_tip->setTextFormat(Qt::PlainText);
    m_tip->setWordWrap(true);
    m_tip->setMinimumSize(360, 90);
    m_tip->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_tip->setMargin(8);
    m_tip->setFrameShape(QFrame::StyledPanel);
    m_tip->setBackgroundRole(QPalette::Base);
    m_tip->setAutoFillBackground(true);
    m_showOnStartup = new QCheckBox(texts.text(QStringLiteral("ID_SHOWTIPOFTHEDAY")), this);
    m_showOnStartup->setObjectName(QStringLiteral("showOnStartup"));
    m_showOnStartup->setChecked(showOnStartup);
    auto *buttons = new QDialogButtonBox(this);
    QPushButton *random = buttons->addButton(texts.text(QStringLiteral("ID_RANDOMTIP")), QDialogButtonBox::ActionRole);
    random->setObjectName(QStringLiteral("randomTip"));
    QPushButton *close = buttons->addButton(texts.text(QStringLiteral("CLOSE")), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("close"));
    close->setDefault(true);
    random->setEnabled(m_tips.size() > 1);
    connect(random, &QPushButton::clicked, this, &TipDialog::showRandomTip);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(m_tip, 1);
    layout->addWidget(m_showOnStartup);
    layout->addWidget(buttons);
    closeWithParentWindow(*this);
    showNextTip();
}

QString TipDialog::shownTip() const
{
    return m_tip->text();
}

bool TipDialog::showOnStartup() const
{
    return m_showOnStartup->isChecked();
}

void TipDialog::showNextTip()
{
    if (m_tips.isEmpty())
        return;
    const qsizetype index = m_tips.indexOf(m_currentTip);
    display(index);
    m_currentTip = QString::number((index + 1) % m_tips.size());
}

void TipDialog::showRandomTip()
{
    if (m_tips.size() < 2)
        return;
    // One draw among the others: never the same tip again, and no retry loop.
    qsizetype index = m_pick(m_tips.size() - 1);
    if (index >= m_shown)
        ++index;
    display(index);
}

void TipDialog::display(qsizetype index)
{
    m_shown = index;
    m_tip->setText(m_tips.at(index));
}

void showTipOfTheDay(ApplicationContext &context, QWidget *parent)
{
    auto &settings = context.settings;
    TipList tips =
        TipList::load(TipList::filePath(context.folders.programFolder, settings.value(QStringLiteral("languagefile"))));
    if (tips.isEmpty())
        return;
    TipDialog dialog(std::move(tips), context.texts, settings.value(QStringLiteral("currenttip")),
                     settings.flag(QStringLiteral("showtipsonstartup")), parent);
    // Beside the window rather than over it: a tip is read while looking at the notes.
    if (parent && parent->isVisible()) {
        dialog.adjustSize();
        const QSize framed = dialog.size() + QSize(0, dialog.style()->pixelMetric(QStyle::PM_TitleBarHeight));
        dialog.move(besideWindow(parent->frameGeometry(), framed, parent->screen()->availableGeometry()));
    }
    dialog.exec();
    settings.value(QStringLiteral("currenttip")) = dialog.currentTip();
    settings.value(QStringLiteral("showtipsonstartup")) =
        dialog.showOnStartup() ? QStringLiteral("1") : QStringLiteral("0");
    context.configuration.save();
}

} // namespace tabulet::ui
