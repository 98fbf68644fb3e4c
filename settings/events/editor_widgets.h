#pragma once

#include <QString>
#include <QStringList>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSize;
class QWidget;

// Small makers for the controls of both halves of the editor, named as the file names them.
namespace tarnwick::cfg {

// A group box with a title in the titles' face; its controls keep the regular weight.
QGroupBox* MakeGroup(const QString& title, QWidget* parent, bool boldTitle = false);
QLabel* MakeLabel(const QString& text, QWidget* parent, const QString& hint = QString(),
                  QWidget* buddy = nullptr);
QLineEdit* MakeEdit(const char* name, QWidget* parent, int width = -1);
QComboBox* MakeList(const char* name, const QStringList& items, QWidget* parent);
// Fixes the button at its designed size, wider where its caption needs more room within the
// button's margins (a longer language, a larger font).
void FixButtonSize(QPushButton* button, const QSize& designed);

}  // namespace tarnwick::cfg
