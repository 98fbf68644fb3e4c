#pragma once

#include <QImage>
#include <QString>

#include "settings/skin/skin_draft.h"

namespace tarnwick::cfg {

// Fills the draft from an existing skin file, with the defaults of a missing key; the save
// file is left alone, the user chooses it. A colour text that is neither a colour name nor a
// number throws ConvertError; what was read before it stays in the draft.
void LoadSkin(const QString& path, SkinDraft& draft);

// Writes the draft into draft.file, keeping the keys of an existing file that the editor
// does not write. With IconsWay::Create the built strip (iconsBitmap, already at its depth)
// is saved first as iconsName + ".bmp" beside the skin. Each file is replaced in one step,
// so a failure leaves it as it was: WriteError names the file that could not be written.
void SaveSkin(const SkinDraft& draft, const QImage& iconsBitmap);

// The path the built strip is saved under: the skin file's folder, iconsName and ".bmp".
QString IconsBitmapPath(const SkinDraft& draft);

}  // namespace tarnwick::cfg
