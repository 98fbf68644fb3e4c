#include "settings/skin/skin_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <tuple>

#include <gtest/gtest.h>

#include "common/errors.h"
#include "common/skin/skin.h"
#include "settings/skin/skin_preview.h"
#include "skin_folder.h"

namespace tarnwick::cfg {
namespace {

using SkinFile = testing::SkinEditorFolder;

SkinDraft Named(const QString& file) {
    SkinDraft draft;
    draft.iconsWay = IconsWay::Standard;
    draft.name = QStringLiteral("Night");
    draft.file = file;
    return draft;
}

TEST_F(SkinFile, ShortDescriptionOverLongerOneLeavesNoOldLinesAndKeepsForeignKeys) {
    const QString path = WriteFile(QStringLiteral("night.skin"),
                                   "[skin]\nname=Old\nextra=kept\n[info]\ncount=5\nline1=a\n"
                                   "line2=b\nline3=c\nline4=d\nline5=e\nnote=mine\n");
    SkinDraft draft = Named(path);
    draft.info = QStringLiteral("first\nsecond\n");  // the last empty line is no line
    SaveSkin(draft, QImage());

    const ProfileText file = Read(path);
    EXPECT_EQ(file.Get("info", "count"), "2");
    EXPECT_EQ(file.Get("info", "line2"), "second");
    for (const char* gone : {"line3", "line4", "line5"}) {
        EXPECT_FALSE(file.Get("info", gone).has_value()) << gone;
    }
    EXPECT_EQ(file.Get("skin", "extra"), "kept");
    EXPECT_EQ(file.Get("info", "note"), "mine");
}

TEST_F(SkinFile, WhatIsSavedLoadsBackAndTheMonitorReadsIt) {
    WriteBitmap(QStringLiteral("bar.bmp"), 40, 20, Qt::green);
    SkinDraft draft = Named(Path(QStringLiteral("round.skin")));
    draft.width = 60;
    draft.background = 0x00402010;
    draft.transparent = true;
    IndicatorDraft& first = draft.indicators[0];
    first.x1 = 2;
    first.y1 = 3;
    first.x2 = 41;
    first.y2 = 12;
    first.font.bold = true;
    first.font.underline = true;
    first.secondItem = true;
    first.textAngle = 270;
    IndicatorDraft& second = draft.indicators[1];
    second.graphic = true;
    second.picture = Path(QStringLiteral("bar.bmp"));
    draft.indicators[2].ground = 0x000000FF;
    draft.info = QStringLiteral("one\n\nthree");
    SaveSkin(draft, QImage());

    const QString path = draft.file;
    EXPECT_EQ(Value(path, "indicator1", "font-style"), "bold underline");
    EXPECT_EQ(Value(path, "indicator2", "picture"), "bar.bmp");  // no folder

    SkinDraft loaded;
    LoadSkin(path, loaded);
    EXPECT_EQ(loaded.width, 60);
    EXPECT_EQ(loaded.background, draft.background);
    EXPECT_TRUE(loaded.transparent);
    EXPECT_EQ(loaded.info, draft.info);
    EXPECT_EQ(loaded.iconsWay, IconsWay::Standard);
    const IndicatorDraft& back = loaded.indicators[0];
    EXPECT_EQ(std::tie(back.x1, back.y1, back.x2, back.y2),
              std::tie(first.x1, first.y1, first.x2, first.y2));
    EXPECT_TRUE(back.font.bold && back.font.underline && !back.font.italic);
    EXPECT_EQ(back.fontColor, kWindowTextColor);
    EXPECT_TRUE(back.secondItem);
    EXPECT_EQ(back.textAngle, 270);
    EXPECT_TRUE(loaded.indicators[1].graphic);
    EXPECT_EQ(ResolvePath(loaded.indicators[1].picture, loaded.loadedFolder),
              Path(QStringLiteral("bar.bmp")));
    EXPECT_EQ(loaded.indicators[2].ground, 0x000000FFu);

    const std::optional<SkinLook> look = ReadSkin(path);
    ASSERT_TRUE(look.has_value());
    EXPECT_FALSE(look->indicators[0].Horizontal);
    EXPECT_EQ(look->indicators[1].GroundPicture.pixelColor(0, 0), QColor(Qt::green));
    EXPECT_EQ(look->indicators[2].GroundColor, QColor(255, 0, 0));
}

TEST_F(SkinFile, StyleWordsInAnyOrderAndAnOddAngleReadAsTheEditorWritesThem) {
    const QString path = WriteFile(QStringLiteral("odd.skin"),
                                   "[indicator1]\nfont-style=underline bold\ntextangle=45\n");
    SkinDraft draft;
    LoadSkin(path, draft);
    draft.file = Path(QStringLiteral("odd2.skin"));
    draft.iconsWay = IconsWay::Standard;
    SaveSkin(draft, QImage());
    EXPECT_EQ(Value(draft.file, "indicator1", "font-style"), "bold underline");
    EXPECT_EQ(Value(draft.file, "indicator1", "textangle"), "0");
}

TEST_F(SkinFile, AColourThatIsNoNumberStopsTheLoadAfterWhatCameBefore) {
    const QString path = WriteFile(QStringLiteral("bad.skin"),
                                   "[window]\nwidth=77\n[indicator1]\nx1=9\n[indicator2]\n"
                                   "x1=5\nfont-color=clPink\n[indicator3]\nx1=8\n");
    SkinDraft draft;
    try {
        LoadSkin(path, draft);
        FAIL() << "no error";
    } catch (const ConvertError& error) {
        EXPECT_STREQ(error.what(), "'clPink' is not a valid integer value");
    }
    EXPECT_EQ(draft.width, 77);
    EXPECT_EQ(draft.indicators[0].x1, 9);
    EXPECT_EQ(draft.indicators[1].x1, 5);
    EXPECT_EQ(draft.indicators[2].x1, 0);  // not reached
}

TEST_F(SkinFile, GarbageAndAHugeCountLoadQuickly) {
    QByteArray garbage(200000, '\0');
    for (int i = 0; i < garbage.size(); ++i) {
        garbage[i] = static_cast<char>((i * 7919) % 251);
    }
    SkinDraft draft;
    LoadSkin(WriteFile(QStringLiteral("garbage.skin"), garbage), draft);
    LoadSkin(WriteFile(QStringLiteral("count.skin"), "[info]\ncount=2147483647\nline1=x\n"), draft);
    EXPECT_TRUE(draft.info.startsWith(QStringLiteral("x\n")));

    // Saving over it again removes only the lines that are there.
    draft.file = Path(QStringLiteral("count.skin"));
    draft.iconsWay = IconsWay::Standard;
    draft.info = QStringLiteral("y");
    SaveSkin(draft, QImage());
    EXPECT_EQ(Value(draft.file, "info", "line1"), "y");
}

TEST_F(SkinFile, AFailedWriteNamesTheFileAndWritesNothing) {
    QImage strip(1616, 16, QImage::Format_RGB888);
    strip.fill(Qt::white);
    SkinDraft draft = Named(Path(QStringLiteral("missing/night.skin")));
    draft.iconsWay = IconsWay::Create;
    try {
        SaveSkin(draft, strip);
        FAIL() << "no error";
    } catch (const WriteError& error) {
        EXPECT_EQ(QString::fromStdString(error.path()), Path(QStringLiteral("missing/icons.bmp")));
    }
    EXPECT_FALSE(QFileInfo::exists(Path(QStringLiteral("missing/night.skin"))));

    // A skin that cannot be written (here a folder stands in its place) is named.
    QDir().mkpath(Path(QStringLiteral("folder.skin")));
    draft = Named(Path(QStringLiteral("folder.skin")));
    try {
        SaveSkin(draft, QImage());
        FAIL() << "no error";
    } catch (const WriteError& error) {
        EXPECT_EQ(QString::fromStdString(error.path()), draft.file);
    }
}

// The preview is only worth its place if it is what the monitor will show of the saved skin.
TEST_F(SkinFile, ThePreviewPaintsWhatTheMonitorReadsFromTheSavedSkin) {
    WriteBitmap(QStringLiteral("gauge.bmp"), 30, 24, Qt::darkCyan);
    SkinDraft draft = Named(Path(QStringLiteral("preview.skin")));
    draft.width = 48;
    draft.height = 40;
    draft.background = 0x00203040;
    const int places[3][4] = {{1, 1, 46, 18}, {1, 20, 30, 31}, {2, 2, 45, 37}};
    for (int i = 0; i < 3; ++i) {
        IndicatorDraft& ind = draft.indicators[i];
        ind.x1 = places[i][0];
        ind.y1 = places[i][1];
        ind.x2 = places[i][2];
        ind.y2 = places[i][3];
        ind.font.bold = i == 0;
        ind.fontColor = 0x0000FFFF;
        ind.ground = 0x00101010 * static_cast<ColorValue>(i + 3);
        ind.progress = 0x000000C0;
        ind.secondItem = i == 2;
        ind.textAngle = 90 * i;
    }
    draft.indicators[1].graphic = true;
    draft.indicators[1].picture = Path(QStringLiteral("gauge.bmp"));
    SaveSkin(draft, QImage());

    const std::optional<SkinLook> monitor = ReadSkin(draft.file);
    ASSERT_TRUE(monitor.has_value());
    for (const bool diagram : {false, true}) {
        EXPECT_EQ(PaintPreview(DraftToLook(draft), diagram), PaintPreview(*monitor, diagram))
            << (diagram ? "diagram" : "gauges");
    }
}

}  // namespace
}  // namespace tarnwick::cfg
