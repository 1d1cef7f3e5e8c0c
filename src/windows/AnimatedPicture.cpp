// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/AnimatedPicture.h"

#include "app/AppFolder.h"

#include <QBuffer>
#include <QImageReader>
#include <QMovie>

namespace {

// The first animation of a run would otherwise also load the GIF reader: about a millisecond,
// inside the pupil's first check. Loading it a moment after the window first shows keeps it out
// of both that check and the window's first paint; no pupil checks an answer that quickly.
void loadGifReaderSoon() {
    static bool scheduled = false;
    if (scheduled)
        return;
    scheduled = true;
    QTimer::singleShot(250, [] {
        QBuffer empty;
        QImageReader reader(&empty, "gif");
        reader.canRead();
    });
}

} // namespace

AnimatedPicture::AnimatedPicture(QWidget* parent) : QLabel(parent) {
    setScaledContents(true);
    // An animation only shows: the pointer works on whatever lies under it (the board, the
    // statement), also while an animation that failed to load is left shown and empty.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAlignment(Qt::AlignCenter);
    lastFrameTimer_.setSingleShot(true);
    connect(&lastFrameTimer_, &QTimer::timeout, this, &AnimatedPicture::endPass);
    loadGifReaderSoon();
}

void AnimatedPicture::LoadFile(const QString& fullPath) {
    dropMovie();
    // Only an ordinary file: the movie reader would wait for ever on a named pipe.
    if (!IsOrdinaryFile(fullPath))
        return;

    auto* movie = new QMovie(fullPath, QByteArray(), this);
    if (!movie->isValid()) {
        delete movie;
        return;
    }
    movie_ = movie;
    highestFrameSeen_ = -1;
    passOver_ = false;
    connect(movie_, &QMovie::frameChanged, this, &AnimatedPicture::onFrameChanged);
    connect(movie_, &QMovie::error, this, &AnimatedPicture::onMovieError);
    connect(movie_, &QMovie::finished, this, &AnimatedPicture::onMovieFinished);
    setMovie(movie_);
    movie_->start(); // shows the first frame at once
}

void AnimatedPicture::onFrameChanged(int frameNumber) {
    if (passOver_)
        return;
    const int frames = movie_->frameCount();
    if (frames > 0 && frameNumber == frames - 1) {
        // Hold the last frame for its own delay; pausing here keeps the movie from wrapping round.
        movie_->setPaused(true);
        lastFrameTimer_.start(movie_->nextFrameDelay());
        return;
    }
    if (frames <= 0 && frameNumber == 0 && highestFrameSeen_ > 0) {
        // The format did not tell its frame count: the wrap to frame 0 marks the end of the pass.
        movie_->setPaused(true);
        endPass();
        return;
    }
    highestFrameSeen_ = qMax(highestFrameSeen_, frameNumber);
}

void AnimatedPicture::onMovieError() {
    // A file that breaks off half-way: stop quietly, owe nothing.
    passOver_ = true;
    lastFrameTimer_.stop();
}

void AnimatedPicture::onMovieFinished() {
    // Only reached when the frame count is unknown and the file plays a single pass.
    if (!passOver_ && highestFrameSeen_ >= 0)
        endPass();
}

void AnimatedPicture::endPass() {
    if (passOver_)
        return;
    passOver_ = true;
    if (movie_)
        movie_->stop();
    emit GifEnd(0);
}

void AnimatedPicture::dropMovie() {
    lastFrameTimer_.stop();
    passOver_ = true;
    clear();
    if (!movie_)
        return;
    disconnect(movie_, nullptr, this, nullptr);
    movie_->stop();
    // Not deleted here: LoadFile may run inside a slot that the old movie's signal reached.
    movie_->deleteLater();
    movie_ = nullptr;
}
