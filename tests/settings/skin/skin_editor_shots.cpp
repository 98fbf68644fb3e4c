// Opens the real skin editor, walks through its seven steps with a made-up skin, saves a
// picture of each step, <folder>/skin-editor-step<k>.png, and finishes: the skin
// "harbour.skin" and its built strip "icons.bmp" go to the skins folder when one is given.
// On step 3 it also opens the picture dialog on a made-up gauge picture and saves it,
// <folder>/skin-editor-picture.png.
// Usage: skin_editor_shots [<picture folder> [<skins folder>]]. Run by
// tools/screenshot-skin-editor.sh and by the end-to-end check skin_e2e.sh. It speaks the
// language of the locale, as the settings program does.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QListView>
#include <QPainter>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <cstdio>

#include "common/skin/skin.h"
#include "common/ui/dialogs.h"
#include "common/ui/translations.h"
#include "settings/skin/panels.h"
#include "settings/skin/skin_editor.h"

using tarnwick::cfg::ColorPanel;
using tarnwick::cfg::FontPanel;
using tarnwick::cfg::SettingsServices;
using tarnwick::cfg::TfrSkin;

namespace {

template <typename T>
T* Find(QWidget* editor, const char* name) {
    T* widget = editor->findChild<T*>(QLatin1String(name));
    if (widget == nullptr) {
        std::fprintf(stderr, "no %s\n", name);
        std::exit(1);
    }
    return widget;
}

// Dark digits on a light ground, drawn with the application's font.
void WriteDigits(const QString& folder) {
    QDir().mkpath(folder);
    for (int i = 0; i <= 10; ++i) {
        const int width = i < 10 ? 8 : 16;
        QImage image(width, 16, QImage::Format_RGB32);
        image.fill(QColor(240, 248, 255));
        QPainter painter(&image);
        QFont font(QStringLiteral("DejaVu Sans Mono"));
        font.setPixelSize(i < 10 ? 13 : 9);
        font.setBold(true);
        painter.setFont(font);
        painter.setPen(i < 10 ? QColor(20, 40, 160) : QColor(190, 10, 30));
        painter.drawText(image.rect(), Qt::AlignCenter, i < 10 ? QString::number(i) : "100");
        painter.end();
        image.save(QStringLiteral("%1/%2.bmp").arg(folder).arg(i < 10 ? i : 100), "BMP");
    }
}

void Settle() {
    for (int i = 0; i < 10; ++i) {
        QApplication::processEvents();
        QThread::msleep(30);
    }
}

// A gauge picture of 90 x 16: a blue gradient with a light edge.
QString WriteGauge(const QString& folder) {
    QImage image(90, 16, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient ramp(0, 0, 90, 0);
    ramp.setColorAt(0, QColor(20, 40, 120));
    ramp.setColorAt(1, QColor(90, 170, 240));
    painter.fillRect(image.rect(), ramp);
    painter.setPen(QColor(230, 240, 255));
    painter.drawRect(0, 0, 89, 15);
    painter.end();
    const QString path = folder + QStringLiteral("/gauge.bmp");
    image.save(path, "BMP");
    return path;
}

// The picture dialog of step 3 with the gauge chosen in its list as a user would, saved as
// a picture and then cancelled.
void ShootPictureDialog(QWidget& editor, const QString& gauge, const QString& path) {
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            return;
        }
        dialog->setDirectory(QFileInfo(gauge).path());
        Settle();  // the folder is read in the background
        auto* list = dialog->findChild<QListView*>(QStringLiteral("listView"));
        QAbstractItemModel* model = list->model();
        for (int row = 0; row < model->rowCount(list->rootIndex()); ++row) {
            const QModelIndex index = model->index(row, 0, list->rootIndex());
            if (index.data().toString() == QFileInfo(gauge).fileName()) {
                list->setCurrentIndex(index);
            }
        }
        Settle();
        dialog->grab().save(path);
        std::printf("%s\n", qPrintable(path));
        dialog->reject();
    });
    Find<QAbstractButton>(&editor, "BitBtn10")->click();
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    tarnwick::LoadTranslations(app, {QStringLiteral("tarnwick"), QStringLiteral("tarnwickcfg")});
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QTemporaryDir temp;
    // Where the skin and its strip are saved: a folder of the caller's, or the temporary one.
    const QString skins = argc > 2 ? QString::fromLocal8Bit(argv[2]) : temp.path();
    tarnwick::QtDialogs dialogs;
    SettingsServices services;
    services.dialogs = &dialogs;
    services.settingsFile = temp.filePath(QStringLiteral("tarnwick.cfg")).toStdString();
    services.programFolder = temp.path().toStdString() + "/";
    TfrSkin editor(services);
    dialogs.SetOwner(&editor);
    editor.show();
    Settle();

    const char* nextButtons[] = {"BitBtn9", "BitBtn11", "BitBtn8",
                                 "BitBtn6", "BitBtn2",  "BitBtn18"};
    for (int step = 1; step <= 7; ++step) {
        switch (step) {
            case 2:
                Find<ColorPanel>(&editor, "pnWindow")->SetValue(0x00402818);
                Find<QSpinBox>(&editor, "udWidth")->setValue(96);
                Find<QSpinBox>(&editor, "udHeight")->setValue(40);
                break;
            case 3:
                Find<ColorPanel>(&editor, "pnGround_1")->SetValue(0x00F0E0C0);
                Find<ColorPanel>(&editor, "pnProgress_1")->SetValue(0x00C07020);
                Find<QSpinBox>(&editor, "udX1_1")->setValue(3);
                Find<QSpinBox>(&editor, "udY1_1")->setValue(3);
                Find<QSpinBox>(&editor, "udX2_1")->setValue(92);
                Find<QSpinBox>(&editor, "udY2_1")->setValue(18);
                ShootPictureDialog(editor, WriteGauge(temp.path()),
                                   QStringLiteral("%1/skin-editor-picture.png").arg(out));
                // A light font, which needs the dark ground of the sample, and the focus on it.
                Find<FontPanel>(&editor, "pnFont1")
                    ->SetFont(Find<FontPanel>(&editor, "pnFont1")->font(), 0x00FFFFFFu);
                editor.activateWindow();
                Find<QWidget>(&editor, "pnFont1")->setFocus(Qt::TabFocusReason);
                break;
            case 4:
                Find<ColorPanel>(&editor, "pnGround_2")->SetValue(0x00C0F0E0);
                Find<ColorPanel>(&editor, "pnProgress_2")->SetValue(0x00308030);
                Find<QSpinBox>(&editor, "udX1_2")->setValue(3);
                Find<QSpinBox>(&editor, "udY1_2")->setValue(21);
                Find<QSpinBox>(&editor, "udX2_2")->setValue(92);
                Find<QSpinBox>(&editor, "udY2_2")->setValue(36);
                break;
            case 5:
                Find<ColorPanel>(&editor, "pnGround_3")->SetValue(0x00402818);
                Find<ColorPanel>(&editor, "pnProgress_3")->SetValue(0x0040C0F0);
                Find<QSpinBox>(&editor, "udX1_3")->setValue(3);
                Find<QSpinBox>(&editor, "udY1_3")->setValue(3);
                Find<QSpinBox>(&editor, "udX2_3")->setValue(92);
                Find<QSpinBox>(&editor, "udY2_3")->setValue(36);
                break;
            case 6: {
                const QString digits = temp.filePath(QStringLiteral("digits"));
                WriteDigits(digits);
                Find<QLineEdit>(&editor, "edIconsDir")->setText(digits);
                Find<QComboBox>(&editor, "cmDepth")->setCurrentIndex(2);
                break;
            }
            case 7:
                Find<QLineEdit>(&editor, "edName")->setText(QStringLiteral("Harbour"));
                Find<QLineEdit>(&editor, "edAuthor")->setText(QStringLiteral("A. Painter"));
                Find<QPlainTextEdit>(&editor, "reInfo")
                    ->setPlainText(QStringLiteral("Two gauges on white.\nMade in the wizard."));
                Find<QLineEdit>(&editor, "edFile")
                    ->setText(skins + QStringLiteral("/harbour.skin"));
                break;
            default:
                break;
        }
        Settle();
        const QString path = QStringLiteral("%1/skin-editor-step%2.png").arg(out).arg(step);
        editor.grab().save(path);
        std::printf("%s\n", qPrintable(path));
        if (step < 7) {
            Find<QAbstractButton>(&editor, nextButtons[step - 1])->click();
        }
    }
    // Finish, then show the built strip as the monitor reads it: cells 0 to 19 and 100, 3x.
    Find<QAbstractButton>(&editor, "BitBtn5")->click();
    const QImage strip = tarnwick::LoadBitmap(skins + QStringLiteral("/icons.bmp"));
    if (strip.isNull()) {
        std::fprintf(stderr, "no strip saved\n");
        return 1;
    }
    QImage cells(21 * 16, 16, QImage::Format_RGB32);
    QPainter painter(&cells);
    painter.drawImage(0, 0, strip, 0, 0, 20 * 16, 16);
    painter.drawImage(20 * 16, 0, strip, 1600, 0, 16, 16);
    painter.end();
    const QString icons = QStringLiteral("%1/skin-editor-icons.png").arg(out);
    cells.scaled(cells.size() * 3).save(icons);
    std::printf("%s\n", qPrintable(icons));
    return 0;
}
