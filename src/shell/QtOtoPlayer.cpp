#include "shell/QtOtoPlayer.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

namespace vorn {

TQtOtoPlayer::TQtOtoPlayer() = default;

TQtOtoPlayer::~TQtOtoPlayer() = default;

void TQtOtoPlayer::Beep() { QApplication::beep(); }

void TQtOtoPlayer::Play(const std::string& fileName)
{
    const QFileInfo file(QDir::current(), QString::fromStdString(fileName));
    if (!file.isFile() || !file.isReadable())
        return;
    if (!effect_)
        effect_ = std::make_unique<QSoundEffect>();
    const QUrl url = QUrl::fromLocalFile(file.absoluteFilePath());
    if (effect_->source() == url && effect_->status() == QSoundEffect::Ready) {
        effect_->stop();
        effect_->play();
        return;
    }
    effect_->setSource(url);
    // A sound still loading starts as soon as it is ready.
    effect_->play();
}

} // namespace vorn
