#include "common/ui/picture_dialog.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QImageReader>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace tarnwick {
namespace {

// A larger picture is not decoded for the preview, so a slip onto a huge file does not stall
// the dialog; its size is still shown.
constexpr qint64 kMostPreviewPixels = 40'000'000;

// The picture fitted into box (in device pixels): a small one enlarged by a whole factor, so its
// pixels stay sharp, a large one shrunk smoothly.
QImage Fitted(const QImage& image, QSize box) {
    if (image.width() <= box.width() && image.height() <= box.height()) {
        const int factor =
            std::max(1, std::min(box.width() / image.width(), box.height() / image.height()));
        return image.scaled(image.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    }
    return image.scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

// The box beside the file list: the picture and a line with its size.
class PicturePreview : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(PicturePreview)

public:
    explicit PicturePreview(QWidget* parent) : QWidget(parent) {
        picture_ = new QLabel(this);
        picture_->setObjectName(QStringLiteral("picturePreview"));
        picture_->setAccessibleName(tr("Preview"));
        picture_->setFrameShape(QFrame::StyledPanel);
        picture_->setAlignment(Qt::AlignCenter);
        const int line = fontMetrics().height();
        picture_->setFixedSize(16 * line, 10 * line);
        size_ = new QLabel(this);
        size_->setObjectName(QStringLiteral("pictureSize"));
        size_->setAlignment(Qt::AlignCenter);
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(picture_);
        layout->addWidget(size_);
        layout->addStretch();
    }

    void Show(const QString& path) {
        picture_->clear();
        size_->clear();
        if (!QFileInfo(path).isFile()) {
            return;  // a folder, or nothing selected
        }
        QImageReader reader(path);
        const QSize full = reader.size();
        if (full.isValid()) {
            size_->setText(tr("%1 x %2 pixels").arg(full.width()).arg(full.height()));
        }
        if (full.isValid() && qint64{full.width()} * full.height() > kMostPreviewPixels) {
            return;
        }
        const QImage image = reader.read();
        if (image.isNull()) {
            size_->setText(tr("No picture"));
            return;
        }
        size_->setText(tr("%1 x %2 pixels").arg(image.width()).arg(image.height()));
        const qreal ratio = picture_->devicePixelRatioF();
        const int frame = 2 * picture_->frameWidth();
        const QSize box = (picture_->size() - QSize(frame, frame)) * ratio;
        QPixmap shown = QPixmap::fromImage(Fitted(image, box));
        shown.setDevicePixelRatio(ratio);
        picture_->setPixmap(shown);
    }

private:
    QLabel* picture_ = nullptr;
    QLabel* size_ = nullptr;
};

}  // namespace

QString OpenPictureWithPreview(QWidget* owner, const QString& title, const QString& folder,
                               const QString& filter) {
    QFileDialog dialog(owner, title, folder, filter);
    dialog.setObjectName(QStringLiteral("PictureDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    auto* preview = new PicturePreview(&dialog);
    // The toolkit's dialog lays itself out in a grid: the preview takes a column of its own.
    if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout())) {
        grid->addWidget(preview, 0, grid->columnCount(), grid->rowCount(), 1);
    }
    QObject::connect(&dialog, &QFileDialog::currentChanged, preview, &PicturePreview::Show);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return QString();
    }
    return dialog.selectedFiles().constFirst();
}

}  // namespace tarnwick
