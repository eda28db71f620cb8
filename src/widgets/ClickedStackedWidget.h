#pragma once

#include "config/RecApp.h"

#include <QStringList>
#include <QWidget>

namespace Ui {
class ClickedStackedWidget;
}

/// Carousel of recommended-app tiles, paged by two arrow buttons.
class ClickedStackedWidget : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString FrameRecBg READ frameRecBg WRITE setFrameRecBg)
    Q_PROPERTY(QString SkinPath READ skinPathProperty WRITE setSkinPath)

public:
    explicit ClickedStackedWidget(QWidget *parent = nullptr);
    ~ClickedStackedWidget() override;

    void setRecAppInfos(const QVector<RecApp> &apps);

    QString frameRecBg() const;
    void setFrameRecBg(const QString &value);
    QString skinPathProperty() const;
    void setSkinPath(const QString &value);

    void onBtnNextPage();
    void onBtnPrePage();

private:
    void removePages();
    void addPage(const QVector<RecApp> &apps);

    Ui::ClickedStackedWidget *ui;
    QString skinPath;
    QStringList frameRecBgs;
};
