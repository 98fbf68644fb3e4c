// How the settings program's windows look on other desktops than the one they were drawn
// for: a larger system font cuts no text, and the links stay readable in a dark theme.
#include <QApplication>
#include <QCheckBox>
#include <QEnterEvent>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QRadioButton>
#include <QStackedWidget>
#include <QStyle>

#include <algorithm>
#include <map>

#include "common/ui/contrast.h"
#include "common/ui/link_label.h"
#include "settings/events/events_editor.h"
#include "settings/skin/skin_editor.h"
#include "tests/settings/config/cfg_fixture.h"
#include "tests/settings/config/cut_texts.h"
#include "tests/support/fake_tones.h"

namespace tarnwick::cfg {
namespace {

// The application's font for one test, given back after it.
class AppFont {
public:
    explicit AppFont(double points) : before_(QApplication::font()) {
        QFont font = before_;
        font.setPointSizeF(points);
        QApplication::setFont(font);
    }
    ~AppFont() { QApplication::setFont(before_); }

private:
    QFont before_;
};

TEST_F(CfgTest, WindowsGrowForALargerFontAndStayFixed) {
    testing::FakeTones tones;
    for (const double points : {9.0, 11.0, 14.0}) {
        SCOPED_TRACE(std::to_string(points) + " pt");
        const AppFont font(points);
        TfrMain& settings = Open();
        TfrSkin skinEditor(services_);
        TfrEvents eventsEditor(services_, tones);
        const std::pair<QWidget*, QSize> windows[] = {{&settings, QSize(527, 432)},
                                                      {&skinEditor, QSize(527, 432)},
                                                      // 494 high as first drawn, then two
                                                      // rows of message choices
                                                      {&eventsEditor, QSize(635, 544)}};
        for (const auto& [window, designed] : windows) {
            SCOPED_TRACE(window->objectName().toStdString());
            EXPECT_EQ(CutTextsOnEveryPage(*window).join(QStringLiteral(", ")).toStdString(), "");
            EXPECT_EQ(window->minimumSize(), window->maximumSize());
            EXPECT_GE(window->width(), designed.width());
            EXPECT_GE(window->height(), designed.height());
            if (points == 9.0) {  // the font the windows were drawn for changes nothing
                EXPECT_EQ(window->size(), designed);
            }
            window->hide();
        }
    }
}

// The colour a label's text is drawn in: the commonest colour of its picture other than the
// background's, which the underline and the letters' stems are drawn in. Without the focus,
// whose frame is drawn in another colour.
QColor Ink(QWidget* label) {
    label->clearFocus();
    const QImage picture = label->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRgb ground = picture.pixel(0, 0);
    std::map<QRgb, int> counts;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            if (picture.pixel(x, y) != ground) {
                ++counts[picture.pixel(x, y)];
            }
        }
    }
    const auto commonest =
        std::max_element(counts.begin(), counts.end(),
                         [](const auto& a, const auto& b) { return a.second < b.second; });
    return commonest == counts.end() ? QColor() : QColor(commonest->first);
}

// Shows the pages that hold the widget.
void ShowPagesOf(QWidget* widget) {
    for (QWidget* page = widget; page->parentWidget() != nullptr; page = page->parentWidget()) {
        if (auto* pages = qobject_cast<QStackedWidget*>(page->parentWidget())) {
            pages->setCurrentWidget(page);
        }
    }
    QApplication::processEvents();
}

QColor HoveredInk(QWidget* label) {
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QCoreApplication::sendEvent(label, &enter);
    const QColor ink = Ink(label);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(label, &leave);
    return ink;
}

TEST_F(CfgTest, LinksTakeThePalettesLinkColourAndStayReadableUnderTheMouse) {
    const QPalette before = QApplication::palette();
    QApplication::setPalette(QApplication::style()->standardPalette());
    TfrMain& window = Open();
    window.show();
    TfrSkin skinEditor(services_);
    const QColor lightWindow = QApplication::palette().color(QPalette::Window);
    const char* const names[] = {"lbPastefold", "lbLoad", "lbClipSite", "lbClipDownload",
                                 "lbSite",      "lbMail", "lbDownload"};
    for (const char* name : names) {
        SCOPED_TRACE(name);
        auto* link = Find<LinkLabel>(name);
        ShowPagesOf(link);
        const QColor ink = Ink(link);
        EXPECT_GT(ink.blue(), 2 * std::max(ink.red(), ink.green()));  // blue, as it always was
        EXPECT_GE(ContrastRatio(ink, lightWindow), 4.5);
        EXPECT_GE(ContrastRatio(HoveredInk(link), lightWindow), 4.5);
    }

    // A dark theme comes while the windows are open; its visited-link colour is too dark to
    // read on its window.
    const QColor darkWindow("#202020");
    const QColor lightBlue("#8ab4f8");
    QPalette dark(QColor("#303030"), darkWindow);
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::Base, QColor("#2a2a2a"));
    dark.setColor(QPalette::Text, Qt::white);
    dark.setColor(QPalette::Link, lightBlue);
    dark.setColor(QPalette::LinkVisited, QColor("#551a8b"));
    QApplication::setPalette(dark);
    for (const char* name : names) {
        SCOPED_TRACE(name);
        auto* link = Find<LinkLabel>(name);
        ShowPagesOf(link);
        EXPECT_EQ(Ink(link), lightBlue);
        const QColor hovered = HoveredInk(link);
        EXPECT_NE(hovered, lightBlue);
        EXPECT_GE(ContrastRatio(hovered, darkWindow), 4.5);
        EXPECT_EQ(Ink(link), lightBlue);  // again when the mouse has left
    }
    if (auto* editorLink = skinEditor.findChild<LinkLabel*>(QStringLiteral("lbPastefold"))) {
        EXPECT_EQ(Ink(editorLink), lightBlue);
        EXPECT_GE(ContrastRatio(HoveredInk(editorLink), dark.color(QPalette::Mid)), 4.5);
    } else {
        ADD_FAILURE() << "the skin editor has no link lbPastefold";
    }
    QApplication::setPalette(before);
}

}  // namespace
}  // namespace tarnwick::cfg
