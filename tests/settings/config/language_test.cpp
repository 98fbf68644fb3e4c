// The settings program in the languages it ships: German and Russian pages keep their
// accelerators apart and cut no text, the files it writes read the same in every language,
// and a catalog that is missing or broken leaves the program's own English.
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QImage>
#include <QKeySequence>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QToolButton>
#include <QTranslator>

#include <map>
#include <vector>

#include "common/ui/translations.h"
#include "settings/events/events_editor.h"
#include "settings/skin/skin_editor.h"
#include "tests/settings/config/cfg_fixture.h"
#include "tests/settings/config/cut_texts.h"
#include "tests/support/fake_tones.h"

namespace tarnwick::cfg {
namespace {

const char* const kLanguages[] = {"de_DE", "ru_RU"};

// The catalogs of a language installed from folder and its locale made the default, for the
// windows made while it lives; English and the locale from before afterwards.
class Language {
public:
    explicit Language(const char* name,
                      const QString& folder = QStringLiteral(TARNWICK_TRANSLATIONS))
        : before_(QLocale()) {
        const QLocale locale{QLatin1String(name)};
        QLocale::setDefault(locale);
        installed_ = LoadTranslations(*QCoreApplication::instance(),
                                      {QStringLiteral("tarnwick"), QStringLiteral("tarnwickcfg")},
                                      locale, {folder});
    }
    ~Language() {
        for (QTranslator* translator : QCoreApplication::instance()->findChildren<QTranslator*>()) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
        QLocale::setDefault(before_);
    }
    Language(const Language&) = delete;
    Language& operator=(const Language&) = delete;

    int installed() const { return installed_; }

private:
    QLocale before_;
    int installed_ = 0;
};

// The accelerators of the controls shown now, each with its text: buttons and boxes, group
// titles, and the labels that lead to a field.
std::multimap<QString, QString> Accelerators(QWidget& window) {
    std::multimap<QString, QString> keys;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(&window)) {
            continue;
        }
        QString text;
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            text = button->text();
        } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
            text = group->title();
        } else if (auto* label = qobject_cast<QLabel*>(widget); label && label->buddy()) {
            text = label->text();
        }
        const QKeySequence key = QKeySequence::mnemonic(text);
        if (!key.isEmpty()) {
            keys.emplace(key.toString(), text);
        }
    }
    return keys;
}

// Page by page of the window's page area: the number of accelerators, and the texts that
// share one.
struct PageKeys {
    std::size_t count = 0;
    QStringList shared;
};

std::vector<PageKeys> KeysOfEveryPage(QWidget& window, const char* pagesName) {
    auto* pages = window.findChild<QStackedWidget*>(QLatin1String(pagesName));
    EXPECT_NE(pages, nullptr) << pagesName;
    std::vector<PageKeys> found;
    for (int i = 0; pages != nullptr && i < pages->count(); ++i) {
        pages->setCurrentIndex(i);
        const std::multimap<QString, QString> keys = Accelerators(window);
        PageKeys page{keys.size(), {}};
        for (const auto& [key, text] : keys) {
            if (keys.count(key) > 1) {
                page.shared << text;
            }
        }
        found.push_back(page);
    }
    return found;
}

class Languages : public CfgTest {
protected:
    void SetUp() override {
        CfgTest::SetUp();
        WriteFile("program/skins/plain/plain.skin", "[skin]\nname=Plain\n");
    }

    // The three windows of the program, made now in the language installed.
    struct Windows {
        explicit Windows(Languages& test)
            : settings(test.Open()), skin(test.services_), events(test.services_, tones) {}
        testing::FakeTones tones;
        TfrMain& settings;
        TfrSkin skin;
        TfrEvents events;
        std::vector<std::pair<QWidget*, const char*>> WithPages() {
            return {{&settings, "nbPages"}, {&skin, "Notebook1"}, {&events, "Notebook1"}};
        }
    };

    QByteArray Bytes(const std::string& path) const {
        QFile file(QString::fromStdString(path));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
    }

    // Changes the settings of every page through the controls and presses "Apply".
    QByteArray ChangeEverySetting() {
        WriteSettings("[main]\nleft=10\ntop=20\n");
        Open();
        Click("rbMode1");
        for (const char* box : {"cbPopup", "cbBolt", "cbVisible1", "cbVisible3", "cbIcon3",
                                "cbOneCopy", "cbPriority", "cbInfo", "cbRandomSkin"}) {
            Click(box);
        }
        for (const auto& [field, steps] : {std::pair{"udSnap", 3},
                                           {"udTransparent", 25},
                                           {"udTime2", 30},
                                           {"udIconsTime", -2},
                                           {"udHintShow", 40},
                                           {"udHintHide", -7}}) {
            Find<QSpinBox>(field)->stepBy(steps);
        }
        Click("btInd2");
        Find<QAction>("miInd12")->trigger();
        Find<QMenu>("pmInd")->hide();
        Click("btApply");
        return Bytes(services_.settingsFile);
    }

    // Makes a new event of every kind of field in the events editor and presses "Apply".
    QByteArray MakeAnEvent(TfrEvents& editor) {
        QFile::remove(QString::fromStdString(services_.eventsFile));
        editor.show();
        root_ = &editor;
        Find<QLineEdit>("edName")->setText(QStringLiteral("Swap filling up"));
        const std::pair<const char*, int> lists[] = {
            {"cmEvents", 2}, {"cmBigLit", 1}, {"cmMeasure", 1}, {"cmAction", 1}, {"cmExecute", 2}};
        for (const auto& [list, index] : lists) {
            Find<QComboBox>(list)->setCurrentIndex(index);
        }
        const std::pair<const char*, const char*> fields[] = {
            {"edValue", "300"}, {"edHour", "0"},   {"edMin", "2"},     {"edSec", "30"},
            {"edFreq", "880"},  {"edTime", "200"}, {"edPause", "400"}, {"edLoopCount", "4"}};
        for (const auto& [field, text] : fields) {
            Find<QLineEdit>(field)->setText(QLatin1String(text));
        }
        for (const char* button : {"cbActive", "rbTextUser", "cbSound", "rbLoopCount"}) {
            Click(button);
        }
        Find<QPlainTextEdit>("reInfo")->setPlainText(QStringLiteral("Swap is filling up."));
        Click("Button2");
        EXPECT_TRUE(dialogs_.messages.isEmpty()) << dialogs_.messages.join(u'\n').toStdString();
        return Bytes(services_.eventsFile);
    }

    // Goes through the skin editor's seven steps, choosing the second or a later entry of
    // every list, and saves a skin with a built icons picture.
    QByteArray MakeASkin(TfrSkin& editor) {
        const std::string skin = Path("made/made.skin");
        QFile::remove(QString::fromStdString(skin));
        QDir().mkpath(QString::fromStdString(Path("made")));
        QDir().mkpath(QString::fromStdString(Path("digits")));
        for (int i = 0; i < 11; ++i) {
            QImage digit(i < 10 ? 8 : 16, 16, QImage::Format_RGB32);
            digit.fill(QColor::fromHsv(30 * i, 200, 200));
            digit.save(QString::fromStdString(Path("digits/")) +
                           QStringLiteral("%1.bmp").arg(i < 10 ? i : 100),
                       "BMP");
        }
        editor.show();
        root_ = &editor;
        Click("BitBtn9");
        Find<QSpinBox>("udWidth")->setValue(120);
        Find<QSpinBox>("udHeight")->setValue(40);
        Click("BitBtn11");
        const std::pair<const char*, int> lists[] = {
            {"cmOrient_1", 1},  {"cmAngle1", 1}, {"cmOrient_2", 1}, {"cmAngle2", 3},
            {"cmDirection", 1}, {"cmAngle3", 2}, {"cmDepth", 2}};
        for (const auto& [list, index] : lists) {
            Find<QComboBox>(list)->setCurrentIndex(index);
        }
        for (const char* next : {"BitBtn8", "BitBtn6", "BitBtn2"}) {
            Click(next);
        }
        dialogs_.folders.push_back(QString::fromStdString(Path("digits")));
        Click("BitBtn20");
        Click("BitBtn18");
        Find<QLineEdit>("edName")->setText(QStringLiteral("Made"));
        Find<QLineEdit>("edFile")->setText(QString::fromStdString(skin));
        Click("BitBtn5");
        EXPECT_TRUE(dialogs_.messages.isEmpty()) << dialogs_.messages.join(u'\n').toStdString();
        const QByteArray icons = Bytes(Path("made/icons.bmp"));
        EXPECT_EQ(icons.size(), 1616 * 16 + 54 + 256 * 4);  // 8 bits per pixel, as chosen
        return Bytes(skin) + icons;
    }
};

TEST_F(Languages, EveryPageKeepsItsAcceleratorsAndNoneIsSharedOnAPage) {
    std::vector<std::vector<PageKeys>> english;
    {
        Windows windows(*this);
        for (const auto& [window, pages] : windows.WithPages()) {
            english.push_back(KeysOfEveryPage(*window, pages));
        }
    }
    for (const char* name : kLanguages) {
        SCOPED_TRACE(name);
        const Language language(name);
        ASSERT_GE(language.installed(), 1);
        Windows windows(*this);
        std::size_t w = 0;
        for (const auto& [window, pages] : windows.WithPages()) {
            const std::vector<PageKeys> translated = KeysOfEveryPage(*window, pages);
            ASSERT_EQ(translated.size(), english[w].size());
            for (std::size_t page = 0; page < translated.size(); ++page) {
                SCOPED_TRACE(window->objectName().toStdString() + " page " +
                             std::to_string(page + 1));
                EXPECT_EQ(translated[page].count, english[w][page].count);
                EXPECT_EQ(translated[page].shared.join(QStringLiteral(", ")).toStdString(), "");
            }
            ++w;
        }
    }
}

TEST_F(Languages, TheTranslatedPagesCutNoTextAndTheEnglishLookStays) {
    for (const char* name : kLanguages) {
        SCOPED_TRACE(name);
        const Language language(name);
        Windows windows(*this);
        for (const auto& [window, pages] : windows.WithPages()) {
            SCOPED_TRACE(window->objectName().toStdString());
            EXPECT_EQ(CutTextsOnEveryPage(*window).join(QStringLiteral(", ")).toStdString(), "");
            EXPECT_EQ(OnEveryPage(*window, CutCaptionsAndEntries)
                          .join(QStringLiteral(", "))
                          .toStdString(),
                      "");
            window->hide();
        }
    }
    // The fixed buttons and lists were drawn for English, which they hold as before.
    Windows windows(*this);
    for (const auto& [window, pages] : windows.WithPages()) {
        SCOPED_TRACE(window->objectName().toStdString());
        EXPECT_EQ(
            OnEveryPage(*window, CutCaptionsAndEntries).join(QStringLiteral(", ")).toStdString(),
            "");
        window->hide();
    }
}

TEST_F(Languages, TheLocaleChoosesTheCaptionsAndEnglishIsLeftWhereNoCatalogServes) {
    const auto caption = [this] {
        TfrMain& window = Open();
        return window.windowTitle() + QLatin1Char('|') + Find<QToolButton>("sbItem1")->text() +
               QLatin1Char('|') + Find<QWidget>("pgMain")->findChild<QGroupBox*>()->title() +
               QLatin1Char('|') + Find<QPushButton>("btCancel")->text();
    };
    const QString english = QStringLiteral("Tarnwick Settings|Main settings|View mode|Cancel");
    {
        const Language language("de_DE");
        EXPECT_EQ(caption(), QStringLiteral("Tarnwick-Einstellungen|Grundeinstellungen|Ansicht|"
                                            "Abbrechen"));
    }
    {
        const Language language("ru_RU");
        EXPECT_EQ(caption(),
                  QStringLiteral("Настройки Tarnwick|Основные настройки|Режим отображения|Отмена"));
    }
    for (const char* name : {"C", "en_GB", "xx_YY"}) {
        SCOPED_TRACE(name);
        const Language language(name);
        EXPECT_EQ(language.installed(), 0);
        EXPECT_EQ(caption(), english);
    }

    // A folder without the catalogs, and one whose catalog is no catalog at all.
    const QString missing = QString::fromStdString(Path("missing"));
    const QString broken = QString::fromStdString(Path("broken"));
    WriteFile("broken/tarnwickcfg_de.qm", QByteArray("not a catalog\n").repeated(20));
    WriteFile("broken/tarnwick_de.qm", QByteArray());
    for (const QString& folder : {missing, broken}) {
        SCOPED_TRACE(folder.toStdString());
        const Language language("de_DE", folder);
        EXPECT_EQ(language.installed(), 0);
        EXPECT_EQ(caption(), english);
    }
}

TEST_F(Languages, TheFilesWrittenAreTheSameInEveryLanguage) {
    const std::string settings = ChangeEverySetting().toStdString();
    std::string events;
    QByteArray skin;
    {
        testing::FakeTones tones;
        TfrEvents eventsEditor(services_, tones);
        events = MakeAnEvent(eventsEditor).toStdString();
        TfrSkin skinEditor(services_);
        skin = MakeASkin(skinEditor);
    }
    // What was chosen reached the files.
    EXPECT_NE(settings.find("[indicator2]\ntype=12\n"), std::string::npos) << settings;
    EXPECT_NE(events.find("event=2\nbiglit=1\nvalue=300\nmeasure=1\n"), std::string::npos)
        << events;
    EXPECT_TRUE(skin.contains("orientation=vertical")) << skin.left(2000).toStdString();

    for (const char* name : kLanguages) {
        SCOPED_TRACE(name);
        const Language language(name);
        ASSERT_GE(language.installed(), 1);
        EXPECT_EQ(ChangeEverySetting().toStdString(), settings);
        testing::FakeTones tones;
        TfrEvents eventsEditor(services_, tones);
        EXPECT_EQ(MakeAnEvent(eventsEditor).toStdString(), events);
        TfrSkin skinEditor(services_);
        // The skin's text first, readable where it differs; then with its picture.
        const QByteArray made = MakeASkin(skinEditor);
        EXPECT_EQ(made.left(made.indexOf("BM")).toStdString(),
                  skin.left(skin.indexOf("BM")).toStdString());
        EXPECT_TRUE(made == skin);
    }
}

}  // namespace
}  // namespace tarnwick::cfg
