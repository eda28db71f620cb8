#pragma once

class QLabel;
class QMovie;
class QString;

/// The loading page's animation, played from a copy in memory: Windows deletes no file that is
/// open, and the removal reaches the skin while the movie still holds it.
class LoadingAnimation
{
public:
    // A movie without a format or a parent, shown in label and started when file is named.
    static QMovie *start(const QString &file, QLabel *label);
};
