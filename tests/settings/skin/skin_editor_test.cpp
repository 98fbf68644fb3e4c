#include "settings/skin/skin_editor.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <utility>

#include "common/skin/skin.h"
#include "common/ui/contrast.h"
#include "settings/skin/panels.h"
#include "skin_folder.h"
#include "tests/support/scripted_dialogs.h"

namespace tarnwick::cfg {
namespace {

// The scripted seam, also noting what each colour and font dialog was preset to.
class PresetDialogs : public testing::ScriptedDialogs {
public:
    std::vector<QColor> colorPresets;
    std::vector<QFont> fontPresets;
    std::optional<QColor> ChooseColor(const QColor& initial, const QString& title) override {
        colorPresets.push_back(initial);
        return ScriptedDialogs::ChooseColor(initial, title);
    }
    std::optional<QFont> ChooseFont(const QFont& initial) override {
        fontPresets.push_back(initial);
        return ScriptedDialogs::ChooseFont(initial);
    }
};

class SkinEditor : public testing::SkinEditorFolder {
protected:
    void SetUp() override {
        SettingsServices services;
        services.dialogs = &dialogs;
        services.settingsFile = Path(QStringLiteral("tarnwick.cfg")).toStdString();
        services.programFolder = temp.path().toStdString() + "/";
        editor = std::make_unique<TfrSkin>(services);
        QObject::connect(editor.get(), &TfrSkin::closed, [this] { ++closedCount; });
        editor->show();
    }

    template <typename T>
    T* Find(const char* name) {
        T* widget = editor->findChild<T*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    void Click(const char* name) { Find<QAbstractButton>(name)->click(); }
    void Press(const char* name) { QTest::mouseClick(Find<QWidget>(name), Qt::LeftButton); }
    int Page() { return Find<QStackedWidget>("Notebook1")->currentIndex() + 1; }
    QString LastMessage() const {
        return dialogs.messages.isEmpty() ? QString() : dialogs.messages.last();
    }

    // "Next" from step 1 to step 6 with the values as they are.
    void ToIcons() {
        for (const char* next : {"BitBtn9", "BitBtn11", "BitBtn8", "BitBtn6", "BitBtn2"}) {
            Click(next);
        }
        ASSERT_EQ(Page(), 6) << LastMessage().toStdString();
    }
    void FinishWithStandardIcons(const QString& file) {
        ToIcons();
        Find<QRadioButton>("rbIconsBuilt")->setChecked(true);
        Click("BitBtn18");
        Find<QLineEdit>("edName")->setText(QStringLiteral("Plain"));
        Find<QLineEdit>("edFile")->setText(file);
        Click("BitBtn5");
    }

    PresetDialogs dialogs;
    std::unique_ptr<TfrSkin> editor;
    int closedCount = 0;
};

TEST_F(SkinEditor, FromTheStartTheDigitsFolderIsAskedForAndStandardIconsSaveAPlainSkin) {
    ToIcons();
    Click("BitBtn18");
    EXPECT_EQ(LastMessage(),
              QStringLiteral("Skins editor|The folder with pictures of digits is not specified!"));
    EXPECT_EQ(Page(), 6);

    const QString file = Path(QStringLiteral("plain.skin"));
    FinishWithStandardIcons(file);
    EXPECT_EQ(closedCount, 1);
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(Value(file, "window", "width"), "1");
    EXPECT_EQ(Value(file, "window", "height"), "1");
    EXPECT_EQ(Value(file, "window", "icons"), "");
    for (const char* section : {"indicator1", "indicator2", "indicator3"}) {
        SCOPED_TRACE(section);
        EXPECT_EQ(Value(file, section, "graphic"), "0");
        EXPECT_EQ(Value(file, section, "ground"), "$00FFFFFF");
        EXPECT_EQ(Value(file, section, "progress"), "$00FFFFFF");
        EXPECT_EQ(Value(file, section, "font-name"), "Tahoma");
        EXPECT_EQ(Value(file, section, "font-color"), "$FF000008");
        EXPECT_EQ(Value(file, section, "textangle"), "0");
    }
    EXPECT_EQ(Value(file, "indicator1", "orientation"), "horizontal");
    EXPECT_EQ(Value(file, "indicator3", "direction"), "up");
}

TEST_F(SkinEditor, SaveDialogNamesGetTheSkinExtensionUnlessTheyHaveItExactly) {
    const struct {
        const char* chosen;
        const char* stored;
    } cases[] = {
        {"/home/u/night", "/home/u/night.skin"},
        {"/home/u/night.SKIN", "/home/u/night.SKIN.skin"},
        {"/home/u/night.skin", "/home/u/night.skin"},
        {"/home/u.v/night", "/home/u.v/night.skin"},
    };
    for (const auto& c : cases) {
        dialogs.saveFiles.push_back(QString::fromUtf8(c.chosen));
        Click("BitBtn12");
        EXPECT_EQ(Find<QLineEdit>("edFile")->text(), QString::fromUtf8(c.stored)) << c.chosen;
    }
    Click("BitBtn12");  // cancelled: the field keeps its name
    EXPECT_EQ(Find<QLineEdit>("edFile")->text(), QStringLiteral("/home/u.v/night.skin"));
}

TEST_F(SkinEditor, AFailedWriteIsShownAndTheEditorStaysOnTheLastStep) {
    const QString file = Path(QStringLiteral("missing/plain.skin"));
    FinishWithStandardIcons(file);
    EXPECT_EQ(dialogs.errors, QStringList{QStringLiteral("Unable to write to ") + file});
    EXPECT_EQ(Page(), 7);
    EXPECT_EQ(closedCount, 0);
}

TEST_F(SkinEditor, AnExistingSkinFillsTheStepsAndABadColourStopsOnStepOne) {
    const QString good = WriteFile(QStringLiteral("old.skin"),
                                   "[skin]\nname=Old\n[window]\nwidth=80\n"
                                   "[indicator1]\ntextangle=45\nfont-style=underline bold\n"
                                   "[indicator2]\ntextangle=180\n");
    Find<QRadioButton>("cbExist")->setChecked(true);
    Click("BitBtn9");
    EXPECT_EQ(LastMessage(), QStringLiteral("Skins editor|Specify an existing skin!"));

    dialogs.openFiles.push_back(good);
    Click("BitBtn14");
    Click("BitBtn9");
    EXPECT_EQ(Page(), 2);
    EXPECT_EQ(Find<QSpinBox>("udWidth")->value(), 80);
    EXPECT_EQ(Find<QComboBox>("cmAngle1")->currentText(), QString::fromUtf8("0°"));
    EXPECT_EQ(Find<QComboBox>("cmAngle2")->currentText(), QString::fromUtf8("180°"));
    EXPECT_TRUE(Find<QLabel>("pnFont1")->font().bold());
    EXPECT_TRUE(Find<QRadioButton>("rbIconsBuilt")->isChecked());
    EXPECT_TRUE(Find<QLineEdit>("edFile")->text().isEmpty());

    Click("BitBtn15");
    dialogs.openFiles.push_back(
        WriteFile(QStringLiteral("bad.skin"), "[window]\nwidth=90\nbackground=dark\n"));
    Click("BitBtn14");
    Click("BitBtn9");
    EXPECT_EQ(dialogs.errors, QStringList{QStringLiteral("'dark' is not a valid integer value")});
    EXPECT_EQ(Page(), 1);
    EXPECT_EQ(Find<QSpinBox>("udWidth")->value(), 90);
}

TEST_F(SkinEditor, HelpAndF1OpenThePageOfTheCurrentStep) {
    Click("BitBtn24");
    Click("BitBtn9");
    QTest::keyClick(Find<QWidget>("udWidth"), Qt::Key_F1, Qt::ShiftModifier);
    // This folder ships no manual: each press says which page is missing.
    ASSERT_EQ(dialogs.messages.size(), 2);
    EXPECT_TRUE(dialogs.messages[0].contains(QLatin1String("/tarnwick/skinseditor1.php is not")));
    EXPECT_TRUE(dialogs.messages[1].contains(QLatin1String("/tarnwick/skinseditor2.php is not")));
}

TEST_F(SkinEditor, EachShowingStartsAtStepOneWithTheValuesKept) {
    Click("BitBtn9");
    Find<QSpinBox>("udWidth")->setValue(33);
    Click("BitBtn11");
    editor->hide();
    editor->show();
    EXPECT_EQ(Page(), 1);
    EXPECT_TRUE(Find<QLabel>("lbStep1")->font().bold());
    EXPECT_FALSE(Find<QLabel>("lbStep3")->font().bold());
    EXPECT_EQ(Find<QSpinBox>("udWidth")->value(), 33);
}

// The settings window that comes back must not carry the editor's name in its title, also
// after the editor was shown twice in a row.
TEST_F(SkinEditor, ClosingGivesTheProgramItsDisplayNameBack) {
    editor->hide();
    QApplication::setApplicationDisplayName(QStringLiteral("Tarnwick Settings"));
    editor->show();
    editor->hide();
    editor->show();
    EXPECT_EQ(QApplication::applicationDisplayName(), QStringLiteral("Skins editor"));
    editor->close();
    EXPECT_EQ(QApplication::applicationDisplayName(), QStringLiteral("Tarnwick Settings"));
}

TEST_F(SkinEditor, PanelsPresetTheirDialogsAndThePreviewShowsTheChoice) {
    Click("BitBtn9");
    Find<QSpinBox>("udWidth")->setValue(40);
    Find<QSpinBox>("udHeight")->setValue(20);
    dialogs.colors.push_back(QColor(200, 0, 0));
    Press("pnWindow");
    Press("pnWindow");  // cancelled
    ASSERT_EQ(dialogs.colorPresets.size(), 2u);
    EXPECT_EQ(dialogs.colorPresets[0], QColor(Qt::white));
    EXPECT_EQ(dialogs.colorPresets[1], QColor(200, 0, 0));
    const QImage preview = Find<QWidget>("SkinPreview2")->grab().toImage();
    EXPECT_EQ(preview.pixelColor(preview.width() / 2, preview.height() / 2), QColor(200, 0, 0));

    Click("BitBtn11");
    QFont chosen(QStringLiteral("Arial"));
    chosen.setPointSize(12);
    chosen.setItalic(true);
    dialogs.fonts.push_back(chosen);
    dialogs.colors.push_back(QColor(0, 0, 255));
    Press("pnFont1");
    ASSERT_EQ(dialogs.fontPresets.size(), 1u);
    EXPECT_EQ(dialogs.fontPresets[0].family(), QStringLiteral("Tahoma"));
    EXPECT_EQ(dialogs.colorPresets.back(), QApplication::palette().color(QPalette::Text));
    auto* font = Find<QLabel>("pnFont1");
    EXPECT_EQ(font->text(), QStringLiteral("Font"));
    EXPECT_TRUE(font->font().italic());
    EXPECT_EQ(font->palette().color(QPalette::WindowText), QColor(0, 0, 255));

    for (const char* next : {"BitBtn8", "BitBtn6", "BitBtn2"}) {
        Click(next);
    }
    const QString file = Path(QStringLiteral("styled.skin"));
    Find<QRadioButton>("rbIconsBuilt")->setChecked(true);
    Click("BitBtn18");
    Find<QLineEdit>("edName")->setText(QStringLiteral("Styled"));
    Find<QLineEdit>("edFile")->setText(file);
    Click("BitBtn5");
    EXPECT_EQ(Value(file, "window", "background"), "$000000C8");
    EXPECT_EQ(Value(file, "indicator1", "font-name"), "Arial");
    EXPECT_EQ(Value(file, "indicator1", "font-size"), "12");
    EXPECT_EQ(Value(file, "indicator1", "font-style"), "italic");
    EXPECT_EQ(Value(file, "indicator1", "font-color"), "$00FF0000");
}

TEST_F(SkinEditor, ABuiltStripIsSavedBesideTheSkinAndNamedInIt) {
    for (int i = 0; i < 11; ++i) {
        WriteBitmap(QStringLiteral("digits/%1.bmp").arg(i < 10 ? i : 100), i < 10 ? 8 : 16, 16,
                    Qt::blue);
    }
    ToIcons();
    dialogs.folders.push_back(Path(QStringLiteral("digits")));
    Click("BitBtn20");
    Find<QComboBox>("cmDepth")->setCurrentIndex(3);
    Find<QLineEdit>("edIconsName")->setText(QStringLiteral("tray"));
    Click("BitBtn18");
    ASSERT_EQ(Page(), 7) << LastMessage().toStdString();
    QDir().mkpath(Path(QStringLiteral("skins")));
    const QString file = Path(QStringLiteral("skins/built.skin"));
    Find<QLineEdit>("edName")->setText(QStringLiteral("Built"));
    Find<QLineEdit>("edFile")->setText(file);
    Click("BitBtn5");
    EXPECT_EQ(Value(file, "window", "icons"), "tray.bmp");
    const std::optional<SkinLook> look = ReadSkin(file);
    ASSERT_TRUE(look.has_value());
    EXPECT_EQ(look->trayStrip.size(), QSize(1616, 16));
    EXPECT_EQ(look->trayStrip.pixelColor(1615, 0), QColor(Qt::blue));
}

TEST_F(SkinEditor, ReturnAndEnterPressTheFocusedButtonTheFocusGoesOnAndEscapeHandsBack) {
    QTest::keyClick(Find<QWidget>("BitBtn9"), Qt::Key_Return);
    EXPECT_EQ(Page(), 2);
    EXPECT_EQ(editor->focusWidget(), Find<QWidget>("udWidth"));
    QTest::keyClick(Find<QWidget>("BitBtn11"), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(Page(), 3);
    EXPECT_EQ(editor->focusWidget(), Find<QWidget>("udX1_1"));
    QTest::keyClick(Find<QWidget>("BitBtn7"), Qt::Key_Return);  // "Back"
    EXPECT_EQ(Page(), 2);
    EXPECT_EQ(editor->focusWidget(), Find<QWidget>("udWidth"));
    QTest::keyClick(Find<QWidget>("BitBtn25"), Qt::Key_Return);  // "Help"
    EXPECT_EQ(dialogs.messages.size(), 1);

    QTest::keyClick(Find<QWidget>("udWidth"), Qt::Key_Escape);
    EXPECT_EQ(closedCount, 1);
    EXPECT_FALSE(editor->isVisible());
}

TEST_F(SkinEditor, PanelsAnswerSpaceAndEnterAndTheFontSampleStandsOutFromItsGround) {
    Click("BitBtn9");
    Click("BitBtn11");
    dialogs.colors = {QColor(200, 0, 0), QColor(0, 100, 0)};
    QTest::keyClick(Find<QWidget>("pnGround_1"), Qt::Key_Space);
    QTest::keyClick(Find<QWidget>("pnProgress_1"), Qt::Key_Return);
    EXPECT_EQ(Find<ColorPanel>("pnGround_1")->value(), 0x000000C8u);
    EXPECT_EQ(Find<ColorPanel>("pnProgress_1")->value(), 0x00006400u);

    for (const QColor& colour : {QColor(Qt::white), QColor(255, 255, 160), QColor(Qt::black)}) {
        SCOPED_TRACE(colour.name().toStdString());
        dialogs.fonts.push_back(QFont(QStringLiteral("Arial"), 16));
        dialogs.colors.push_back(colour);
        QTest::keyClick(Find<QWidget>("pnFont1"), Qt::Key_Enter, Qt::KeypadModifier);
        EXPECT_EQ(dialogs.asked.last(), QStringLiteral("color Font color"));
        const QImage sample = Find<QWidget>("pnFont1")->grab().toImage();
        const QColor ground = sample.pixelColor(8, 8);
        EXPECT_GE(ContrastRatio(colour, ground), 4.5);
        int standingOut = 0;  // the pixels of the word
        for (int y = 0; y < sample.height(); ++y) {
            for (int x = 10; x < sample.width() - 10; ++x) {
                standingOut += ContrastRatio(sample.pixelColor(x, y), ground) >= 4.5 ? 1 : 0;
            }
        }
        EXPECT_GT(standingOut, 20);
    }
}

// What a screen reader says of each control that Tab reaches: a list box by its label, any
// other control by its name.
QString SpokenName(QWidget* control) {
    QAccessibleInterface* about = QAccessible::queryAccessibleInterface(control);
    if (about->role() == QAccessible::ComboBox) {
        const auto labels = about->relations(QAccessible::Label);
        return labels.isEmpty() ? QString() : labels.first().first->text(QAccessible::Name);
    }
    return about->text(QAccessible::Name);
}

TEST_F(SkinEditor, EveryControlOfAStepHasANameOfItsOwn) {
    for (QWidget* page : Find<QStackedWidget>("Notebook1")
                             ->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        SCOPED_TRACE(page->objectName().toStdString());
        std::map<std::pair<int, QString>, QString> named;  // role and name: the control's name
        for (QWidget* control : page->findChildren<QWidget*>()) {
            if ((control->focusPolicy() & Qt::TabFocus) == 0 || !control->isVisibleTo(page) ||
                control->focusProxy() != nullptr) {
                continue;
            }
            const QString name = SpokenName(control);
            EXPECT_FALSE(name.isEmpty()) << control->objectName().toStdString();
            // Without a name of its own a control is called by its group's title.
            if (const auto* group = qobject_cast<QGroupBox*>(control->parentWidget())) {
                EXPECT_NE(name, group->title()) << control->objectName().toStdString();
            }
            const auto [at, added] = named.emplace(
                std::pair{QAccessible::queryAccessibleInterface(control)->role(), name},
                control->objectName());
            EXPECT_TRUE(added) << name.toStdString() << ": " << at->second.toStdString() << " and "
                               << control->objectName().toStdString();
        }
        EXPECT_GE(named.size(), 4u);
    }
}

}  // namespace
}  // namespace tarnwick::cfg
