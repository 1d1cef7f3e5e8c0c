// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QString>
#include <QTimer>

class QMovie;

// Plays a GIF animation once, scaled to the control's size, and says when it has played.
//
// Whatever loop count the file carries, one pass is played: QMovie's own finished() never comes
// for an endlessly looping GIF and comes only after the extra repeats otherwise, so the end of
// the first pass is found here: when the last frame is shown, the movie is paused on it and a
// timer waits out that frame's delay, then GifEnd is raised. The last frame stays shown.
//
// Loading does not change visibility. A missing or unreadable file shows nothing and raises no
// GifEnd. Loading while an animation plays drops the old one: only the new one raises GifEnd.
class AnimatedPicture : public QLabel {
    Q_OBJECT

public:
    explicit AnimatedPicture(QWidget* parent = nullptr);

    // Starts the animation of that file from its first frame.
    void LoadFile(const QString& fullPath);

signals:
    // Raised once per load, when the first pass has played to its end. The argument is always 0.
    void GifEnd(int repaint);

private:
    void onFrameChanged(int frameNumber);
    void onMovieError();
    void onMovieFinished();
    void endPass();
    void dropMovie();

    QMovie* movie_ = nullptr;
    QTimer lastFrameTimer_;
    int highestFrameSeen_ = -1;
    bool passOver_ = false;
};
