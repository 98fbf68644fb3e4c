// A solid orange 160x120 window made a layer surface by the platform code, for layer_e2e.sh.
// With --toplevel it also opens an ordinary blue window, which a tiling compositor spreads
// over the output: the orange shows on it only from a layer above the windows;
// --toplevel-only opens that window alone, until the program is ended. Lines on
// standard input change the surface: "margins X Y", "layer top|bottom|background|overlay";
// each is answered on standard output once done. --version N uses the protocol no newer
// than N. --keyboard asks for the keyboard when the surface is clicked. --input reports what
// reaches the orange window: "press BUTTON X Y", "release BUTTON X Y" (window pixels, BUTTON
// left, right or middle) and "key TEXT".
#include <QColor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRasterWindow>
#include <QSocketNotifier>
#include <QTextStream>

#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>

#include "platform/layer_shell.h"

namespace {

void Answer(const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

class SolidWindow : public QRasterWindow {
public:
    explicit SolidWindow(QColor colour, bool report = false) : colour_(colour), report_(report) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter(this).fillRect(QRect(QPoint(), size()), colour_);
    }
    void mousePressEvent(QMouseEvent* event) override { Report("press", *event); }
    void mouseReleaseEvent(QMouseEvent* event) override { Report("release", *event); }
    void keyPressEvent(QKeyEvent* event) override {
        if (report_) {
            Answer("key " + event->text().toStdString());
        }
    }

private:
    void Report(const char* what, const QMouseEvent& event) {
        static const std::map<Qt::MouseButton, std::string> names = {
            {Qt::LeftButton, "left"}, {Qt::RightButton, "right"}, {Qt::MiddleButton, "middle"}};
        const auto name = names.find(event.button());
        if (report_ && name != names.end()) {
            const QPoint at = event.position().toPoint();
            Answer(std::string(what) + " " + name->second + " " + std::to_string(at.x()) + " " +
                   std::to_string(at.y()));
        }
    }

    QColor colour_;
    bool report_;
};

}  // namespace

int main(int argc, char** argv) {
    using tarnwick::platform::Layer;
    QGuiApplication app(argc, argv);
    bool toplevel = false;
    bool toplevelOnly = false;
    bool report = false;
    tarnwick::platform::LayerRequest request;
    request.x = 300;
    request.y = 200;
    for (int i = 1; i < argc; ++i) {
        toplevel = toplevel || std::strcmp(argv[i], "--toplevel") == 0;
        toplevelOnly = toplevelOnly || std::strcmp(argv[i], "--toplevel-only") == 0;
        report = report || std::strcmp(argv[i], "--input") == 0;
        if (std::strcmp(argv[i], "--keyboard") == 0) {
            request.keyboard = tarnwick::platform::LayerKeyboard::OnClick;
        }
        if (std::strcmp(argv[i], "--version") == 0 && i + 1 < argc) {
            request.newestVersion = std::atoi(argv[++i]);
        }
    }
    Answer(tarnwick::platform::LayerShellAvailable() ? "available" : "not available");

    SolidWindow below(QColor(0, 64, 255));
    if (toplevel || toplevelOnly) {
        below.setTitle("layer-window-below");
        below.show();
    }
    if (toplevelOnly) {
        return app.exec();
    }
    SolidWindow window(QColor(255, 128, 0), report);
    window.resize(160, 120);
    tarnwick::platform::PrepareLayerSurfaceWindow(window);
    window.show();
    request.closed = [] { Answer("closed"); };
    auto surface = tarnwick::platform::MakeLayerSurface(window, request);
    if (surface == nullptr) {
        return 1;
    }
    Answer("shown");

    const std::map<std::string, Layer> layers = {{"background", Layer::Background},
                                                 {"bottom", Layer::Bottom},
                                                 {"top", Layer::Top},
                                                 {"overlay", Layer::Overlay}};
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QTextStream in(stdin);
    QObject::connect(&input, &QSocketNotifier::activated, [&] {
        const QString line = in.readLine();
        if (line.isNull()) {
            app.quit();  // the script ended its side
            return;
        }
        const QStringList words = line.split(' ', Qt::SkipEmptyParts);
        if (words.size() == 3 && words[0] == "margins") {
            surface->SetMargins(words[1].toInt(), words[2].toInt());
        } else if (words.size() == 2 && words[0] == "layer" &&
                   layers.count(words[1].toStdString()) != 0) {
            surface->SetLayer(layers.at(words[1].toStdString()));
        } else {
            Answer("unknown: " + line.toStdString());
            return;
        }
        Answer("done " + line.toStdString());
    });
    return app.exec();
}
