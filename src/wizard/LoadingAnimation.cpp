#include "wizard/LoadingAnimation.h"

#include <QBuffer>
#include <QFile>
#include <QLabel>
#include <QMovie>

QMovie *LoadingAnimation::start(const QString &file, QLabel *label)
{
    auto *movie = new QMovie;
    auto *animation = new QBuffer(movie);
    if (QFile source(file); !file.isEmpty() && source.open(QIODevice::ReadOnly))
        animation->setData(source.readAll());
    movie->setDevice(animation);
    label->setMovie(movie);
    // A skin without an animation leaves the label empty, without a warning on standard error.
    if (!file.isEmpty())
        movie->start();
    return movie;
}
