// The note properties and the preset editor, driven as a user would with the pickers replaced.
#include "lang/texttable.h"
#include "settings/presetlist.h"
#include "ui/dialogs/listmanagerdialog.h"
#include "ui/dialogs/presetpropertiesdialog.h"
#include "ui/dialogs/tabpropertiesdialog.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFormLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>

namespace tabulet::ui {
namespace {

// Every colour dialog answers green, every font dialog "DejaVu Serif" 14 bold.
StylePickers fixedPickers()
{
    StylePickers pickers;
    pickers.colour = [](const QColor &, QWidget *) {
        return std::optional<QColor>(QColor(0, 128, 0));
    };
    pickers.font = [](const QFont &, QWidget *) {
        QFont font(QStringLiteral("DejaVu Serif"), 14);
        font.setBold(true);
        return std::optional<QFont>(font);
    };
    return pickers;
}

template<typename Widget> Widget *child(QWidget &parent, const char *name)
{
    auto *found = parent.findChild<Widget *>(QLatin1String(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

struct NameCase
{
    const char *name;
    std::string entered;
    bool accepted;
};

class PresetNames : public testing::TestWithParam<NameCase>
{
};

TEST_P(PresetNames, presetEditor_refusesOnlyAnExactNameAlreadyUsed)
{
    lang::TextTable texts;
    PresetPropertiesDialog editor(texts, {QStringLiteral("Navy"), QStringLiteral("Dawn")});
    int refusals = 0;
    editor.setTellNameUsed([&](const QString &, const QString &text) {
        EXPECT_EQ(text, texts.text(QStringLiteral("PRESETNAME_USED")));
        ++refusals;
    });
    editor.show();
    child<QLineEdit>(editor, "name")->setText(QString::fromStdString(GetParam().entered));
    child<QPushButton>(editor, "ok")->click();
    EXPECT_EQ(editor.result() == QDialog::Accepted, GetParam().accepted);
    EXPECT_EQ(editor.isVisible(), !GetParam().accepted) << "a refused name leaves the editor open";
    EXPECT_EQ(refusals, GetParam().accepted ? 0 : 1);
}

INSTANTIATE_TEST_SUITE_P(Names, PresetNames,
                         testing::Values(NameCase{"sameName", "Navy", false}, NameCase{"otherLetterCase", "navy", true},
                                         NameCase{"sameNameWithBlanks", "  Dawn ", false},
                                         NameCase{"newName", "Sea", true},
                                         NameCase{"tenThousandCharacters", std::string(10000, 'n'), true}),
                         [](const testing::TestParamInfo<NameCase> &param) { return std::string(param.param.name); });

TEST(PresetEditor, presetEditor_aNameOfBlanksCannotBeConfirmed)
{
    lang::TextTable texts;
    PresetPropertiesDialog editor(texts, {});
    child<QLineEdit>(editor, "name")->setText(QStringLiteral("   "));
    EXPECT_FALSE(child<QPushButton>(editor, "ok")->isEnabled());
}

class NoteProperties : public testing::Test
{
protected:
    settings::Note noteWithFile(qint64 bytes)
    {
        settings::Note note;
        note.fileName = QStringLiteral("tab00001.rtf");
        note.usePreset = true;
        note.preset = QStringLiteral("Dawn");
        QFile file(folder.filePath(note.fileName));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(bytes, 'x'));
        return note;
    }

    QTemporaryDir folder;
    lang::TextTable texts;
    settings::PresetList presets;
};

// The file facts as "name value" lines, and the left edges of their values.
struct ShownFacts
{
    QStringList lines;
    QList<int> valueLefts;
};

ShownFacts shownFacts(QWidget &dialog)
{
    ShownFacts shown;
    auto *form = qobject_cast<QFormLayout *>(child<QWidget>(dialog, "fileFacts")->layout());
    if (!form)
        return shown;
    for (int row = 0; row < form->rowCount(); ++row) {
        const auto *name = qobject_cast<QLabel *>(form->itemAt(row, QFormLayout::LabelRole)->widget());
        const auto *value = qobject_cast<QLabel *>(form->itemAt(row, QFormLayout::FieldRole)->widget());
        shown.lines.append(name->text() + QLatin1Char(' ') + value->text());
        shown.valueLefts.append(value->mapTo(&dialog, QPoint()).x());
        EXPECT_FALSE(value->focusPolicy() & Qt::TabFocus) << "Tab passes over a value to the controls";
    }
    return shown;
}

TEST_F(NoteProperties, fileFacts_nameTheFileAndItsSizeInAlignedRowsOrStayAwayWithoutAFile)
{
    texts.loadLanguageText("PROP_FILENAME: File name\nPROP_FILESIZE: File size\nPROP_CREATED: Created\n"
                           "PROP_MODIFIED: Modified\n");
    const settings::Note note = noteWithFile(1025);
    TabPropertiesDialog dialog(texts, note, presets, folder.path());
    dialog.show();
    const ShownFacts facts = shownFacts(dialog);
    ASSERT_EQ(facts.lines.size(), 4) << facts.lines.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(facts.lines[0], QStringLiteral("File name: tab00001.rtf"));
    EXPECT_EQ(facts.lines[1], QStringLiteral("File size: 1.00 KB"));
    EXPECT_EQ(facts.valueLefts, QList<int>(4, facts.valueLefts.first())) << "the values start in one column";

    settings::Note missing = note;
    missing.fileName = QStringLiteral("gone.rtf");
    TabPropertiesDialog without(texts, missing, presets, folder.path());
    without.show();
    EXPECT_TRUE(shownFacts(without).lines.isEmpty());
    EXPECT_FALSE(child<QWidget>(without, "fileFacts")->isVisible()) << "no empty box where the facts would be";
    EXPECT_EQ(child<QComboBox>(without, "preset")->currentText(), QStringLiteral("Dawn"))
        << "the rest of the dialog works without the file";
}

TEST_F(NoteProperties, presetList_showsEachPresetsColoursBesideItsName)
{
    settings::Preset striped;
    striped.name = QStringLiteral("Striped");
    striped.hasBackground = true;
    striped.background = settings::colourFromRgb(10, 200, 30);
    striped.hasTabColour = true;
    striped.tabColour = settings::colourFromRgb(250, 0, 0);
    presets.addPreset(striped);
    settings::Preset bare;
    bare.name = QStringLiteral("Bare");
    presets.addPreset(bare);
    TabPropertiesDialog dialog(texts, noteWithFile(1), presets, folder.path());
    auto *list = child<QComboBox>(dialog, "preset");
    ASSERT_EQ(list->count(), presets.size());
    const auto swatch = [&](int index) {
        const QIcon icon = list->itemIcon(index);
        EXPECT_FALSE(icon.isNull()) << index;
        return icon.pixmap(list->iconSize()).toImage();
    };
    // Near the bottom-left corner, inside the edge and away from the letters.
    const auto background = [&](const QImage &image) {
        return image.pixelColor(2, image.height() - 3);
    };
    EXPECT_EQ(background(swatch(presets.indexOfPreset(QStringLiteral("Navy")))), QColor(160, 173, 236));
    const QImage stripedImage = swatch(presets.indexOfPreset(QStringLiteral("Striped")));
    EXPECT_EQ(background(stripedImage), QColor(10, 200, 30));
    EXPECT_EQ(stripedImage.pixelColor(stripedImage.width() / 2, 1), QColor(250, 0, 0)) << "the tab colour's band";
    EXPECT_EQ(background(swatch(presets.indexOfPreset(QStringLiteral("Bare")))), dialog.palette().color(QPalette::Base))
        << "a preset without a background shows the plain one";
}

TEST_F(NoteProperties, ok_writesTheChosenStyleAndTheShownPresetIntoTheNote)
{
    settings::Note note = noteWithFile(10);
    note.preset = QStringLiteral("no such preset");
    TabPropertiesDialog dialog(texts, note, presets, folder.path());
    dialog.setPickers(fixedPickers());
    auto *background = child<QCheckBox>(dialog, "backgroundColour");
    auto *backgroundButton = child<QPushButton>(dialog, "backgroundColourButton");
    EXPECT_FALSE(backgroundButton->isEnabled()) << "a colour button works only while its box is ticked";
    EXPECT_EQ(child<QComboBox>(dialog, "preset")->currentIndex(), 0) << "an unknown preset name shows the first";
    EXPECT_FALSE(child<QPushButton>(dialog, "selectFont")->isEnabled());

    background->click();
    backgroundButton->click();
    child<QCheckBox>(dialog, "ownFont")->click();
    child<QPushButton>(dialog, "selectFont")->click();
    child<QComboBox>(dialog, "preset")->setCurrentIndex(presets.indexOfPreset(QStringLiteral("Navy")));
    child<QPushButton>(dialog, "ok")->click();

    const settings::Note &result = dialog.note();
    EXPECT_TRUE(result.hasBackground);
    EXPECT_EQ(result.background, settings::colourFromRgb(0, 128, 0));
    EXPECT_FALSE(result.hasTitleColour);
    EXPECT_TRUE(result.hasFont);
    EXPECT_EQ(result.font, (settings::FontRecord{QStringLiteral("DejaVu Serif"), 14, true, false}));
    EXPECT_TRUE(result.usePreset);
    EXPECT_EQ(result.preset, QStringLiteral("Navy"));
    EXPECT_FALSE(dialog.presetsChanged());
}

TEST_F(NoteProperties, managePresets_addsThroughTheEditorAndDeletesOnlyOnItsOk)
{
    const settings::Note note = noteWithFile(10);
    TabPropertiesDialog dialog(texts, note, presets, folder.path());
    dialog.setPickers(fixedPickers());
    QString managerAnswer = QStringLiteral("ok");
    dialog.setRunDialog([&](QDialog &shown) {
        if (auto *editor = qobject_cast<PresetPropertiesDialog *>(&shown)) {
            editor->setTellNameUsed([](const QString &, const QString &) {});
            child<QLineEdit>(*editor, "name")->setText(QStringLiteral("Navy"));
            editor->accept();
            EXPECT_NE(editor->result(), QDialog::Accepted) << "Navy is taken";
            child<QLineEdit>(*editor, "name")->setText(QStringLiteral("Sea"));
            child<QCheckBox>(*editor, "titleColour")->click();
            child<QPushButton>(*editor, "titleColourButton")->click();
            editor->accept();
            return editor->result();
        }
        auto *manager = qobject_cast<ListManagerDialog *>(&shown);
        EXPECT_NE(manager, nullptr);
        child<QPushButton>(*manager, "add")->click();
        auto *entries = child<QListWidget>(*manager, "entries");
        entries->setCurrentRow(0);
        child<QPushButton>(*manager, "delete")->click();
        return managerAnswer == QLatin1String("ok") ? int(QDialog::Accepted) : int(QDialog::Rejected);
    });

    managerAnswer = QStringLiteral("cancel");
    dialog.managePresets();
    EXPECT_FALSE(dialog.presetsChanged());
    EXPECT_EQ(dialog.presets().size(), presets.size());

    managerAnswer = QStringLiteral("ok");
    dialog.managePresets();
    ASSERT_TRUE(dialog.presetsChanged());
    EXPECT_EQ(dialog.presets().indexOfPreset(QStringLiteral("Standard")), -1);
    const int sea = dialog.presets().indexOfPreset(QStringLiteral("Sea"));
    ASSERT_EQ(sea, dialog.presets().size() - 1);
    EXPECT_TRUE(dialog.presets()[sea].hasTabColour);
    EXPECT_EQ(dialog.presets()[sea].tabColour, settings::colourFromRgb(0, 128, 0));
    auto *presetList = child<QComboBox>(dialog, "preset");
    EXPECT_EQ(presetList->count(), dialog.presets().size());
    EXPECT_EQ(presetList->currentText(), QStringLiteral("Dawn")) << "the chosen preset stays chosen";
}

// The built-in presets show in the language; the configuration keeps their own names, also
// after the manager has deleted one of them.
TEST_F(NoteProperties, builtInPresets_showInTheLanguageAndKeepTheirNames)
{
    texts.loadLanguageText("PRESET_DAWN: Morgend\xc3\xa4mmerung\nPRESET_STANDARD: Normal\n");
    TabPropertiesDialog dialog(texts, noteWithFile(10), presets, folder.path());
    auto *presetList = child<QComboBox>(dialog, "preset");
    const int dawn = presets.indexOfPreset(QStringLiteral("Dawn"));
    EXPECT_EQ(presetList->itemText(dawn), QStringLiteral("Morgendämmerung"));
    EXPECT_EQ(presetList->itemText(presets.indexOfPreset(QStringLiteral("Navy"))), QStringLiteral("Navy"))
        << "a name the language file does not translate stays";
    QStringList managed;
    dialog.setRunDialog([&](QDialog &shown) {
        auto *entries = child<QListWidget>(shown, "entries");
        for (int row = 0; row < entries->count(); ++row)
            managed << entries->item(row)->text();
        entries->setCurrentRow(0);
        child<QPushButton>(shown, "delete")->click();
        return int(QDialog::Accepted);
    });
    dialog.managePresets();
    EXPECT_EQ(managed.first(), QStringLiteral("Normal"));
    EXPECT_EQ(dialog.presets().indexOfPreset(QStringLiteral("Standard")), -1);
    EXPECT_EQ(dialog.presets().indexOfPreset(QStringLiteral("Dawn")), dawn - 1) << "stored by its own name";
    presetList->setCurrentIndex(dawn - 1);
    child<QPushButton>(dialog, "ok")->click();
    EXPECT_EQ(dialog.note().preset, QStringLiteral("Dawn"));
}

} // namespace
} // namespace tabulet::ui
