#include "ui/dialogs/aboutdialog.h"

#include "lang/menucaption.h"
#include "lang/texttable.h"
#include "platform/programicon.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QEvent>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tabulet::ui {

namespace {

const QString kProgramName = QStringLiteral("Tabulet");
const QString kVersion = QStringLiteral("2.1.23");
constexpr int kTextWidth = 340;
constexpr int kIconSize = 48;

QLabel *plainLabel(const QString &text, const QString &name, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    // Language texts and folder names are shown as written, never as markup.
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setMinimumWidth(kTextWidth);
    return label;
}

class ParentWatcher final : public QObject
{
public:
    explicit ParentWatcher(QDialog &dialog) : QObject(&dialog), m_dialog(dialog) {}

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_dialog.parentWidget() && (event->type() == QEvent::Hide || event->type() == QEvent::Close))
            m_dialog.reject();
        return false;
    }

private:
    QDialog &m_dialog;
};

} // namespace

void closeWithParentWindow(QDialog &dialog)
{
    if (QWidget *parent = dialog.parentWidget())
        parent->installEventFilter(new ParentWatcher(dialog));
}

QString aboutCaption(lang::TextTable &texts)
{
    const QString caption = lang::captionOfMenuText(texts.text(QStringLiteral("IDC_ABOUT")));
    return caption.isEmpty() ? kProgramName : caption;
}

AboutDialog::AboutDialog(lang::TextTable &texts, const QString &dataFolder, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("aboutDialog"));
    setWindowTitle(aboutCaption(texts));
    auto *layout = new QVBoxLayout(this);
    auto *header = new QHBoxLayout;
    auto *icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("icon"));
    icon->setPixmap(platform::programIcon().pixmap(kIconSize, kIconSize));
    header->addWidget(icon, 0, Qt::AlignTop);
    auto *name = plainLabel(kProgramName + QLatin1Char(' ') + kVersion, QStringLiteral("name"), this);
    QFont bigger = name->font();
    bigger.setPointSizeF(bigger.pointSizeF() * 1.5);
    bigger.setBold(true);
    name->setFont(bigger);
    header->addWidget(name, 1);
    layout->addLayout(header);
    layout->addWidget(plainLabel(texts.text(QStringLiteral("ABOUT_DESCRIPTION")), QStringLiteral("description"), this));
    const QString translation = texts.text(QStringLiteral("TRANSLATION"));
    if (!translation.isEmpty())
        layout->addWidget(plainLabel(translation, QStringLiteral("translation"), this));
    auto *folder = new QFormLayout;
    folder->addRow(texts.text(QStringLiteral("ABOUT_DATAFOLDER")),
                   plainLabel(QDir::toNativeSeparators(dataFolder), QStringLiteral("dataFolder"), this));
    layout->addLayout(folder);
    layout->addWidget(plainLabel(texts.text(QStringLiteral("ABOUT_LICENSE")), QStringLiteral("licence"), this));
    auto *buttons = new QDialogButtonBox(this);
    QPushButton *ok = buttons->addButton(texts.text(QStringLiteral("IDOK")), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    closeWithParentWindow(*this);
}

} // namespace tabulet::ui
