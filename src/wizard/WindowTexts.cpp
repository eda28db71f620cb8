#include "wizard/WindowTexts.h"
#include "ui_Uninstall.h"

#include "host/Utility.h"

#include <QCoreApplication>
#include <QLabel>
#include <QStyle>

namespace {

// A plain text takes its direction from its first letter: a product name in Latin letters would
// turn a right-to-left title around.
QString inWindowDirection(const QWidget *widget, const QString &text)
{
    return widget->layoutDirection() == Qt::RightToLeft ? QChar(0x200F) + text : text;
}

QString discountOffer(const QString &lineHeight, const QString &weight, const QString &color)
{
    return QCoreApplication::translate(
               "QObject",
               "<html><head/><body><p style='line-height: %1'>We're sorry that you are leaving "
               "us. Here we offer you a <span style='font-weight: %2; color:%3;'>Special "
               "Discount</span>, you can try our program's full function at a low "
               "price.</p></body></html>")
        .arg(lineHeight)
        .arg(weight)
        .arg(color);
}

QString thanks()
{
    return QCoreApplication::translate(
        "QObject",
        "<html><head/><body><p>Thank you for your use and feedback. We will continue to "
        "optimize the program. Look forward to having you choose our products "
        "again!</p></body></html>");
}

} // namespace

void WindowTexts::setRichText(QLabel *label, QString html)
{
    if (label->layoutDirection() == Qt::RightToLeft) {
        html.replace(QLatin1String("<body>"), QLatin1String("<body dir='rtl'>"));
        label->setAlignment(QStyle::visualAlignment(Qt::RightToLeft, label->alignment()));
    }
    label->setText(html);
}

void WindowTexts::fillForm(Ui::UnInstallWindow &ui,
                           const QString &productName,
                           const QString &lineHeight,
                           const QStringList &weights,
                           const QStringList &colors)
{
    ui.titleLab->setText(
        inWindowDirection(ui.titleLab->window(),
                          QCoreApplication::translate("QObject", "Uninstall %1").arg(productName)));
    if (weights.size() >= 2 && colors.size() >= 2) {
        Log("debug", 1, QStringLiteral("initUI labInit!"));
        ui.updateTipLab->setText(ui.updateTipLab->text().arg(lineHeight));
        setRichText(ui.purchaseLab, discountOffer(lineHeight, weights.at(0), colors.at(0)));
    }
    setRichText(ui.updateTipLab, ui.updateTipLab->text());
    setRichText(ui.thinkLab, thanks());
}

QString WindowTexts::usersServed(const QString &weight, const QString &color, const QString &users)
{
    return QCoreApplication::translate(
               "QObject",
               "<html><head/><body><p>We have provided data transfer services to over <span "
               "style='font-weight:%1; color:%2;'>%3</span> users</p></body></html>")
        .arg(weight)
        .arg(color)
        .arg(users);
}

QString WindowTexts::finished(const QString &weight)
{
    return QCoreApplication::translate(
               "QObject",
               "<html><head/><body><p><span style='font-weight:%1;'>Uninstalled "
               "Successfully!</span></p><p>Thanks for your use and feedback. We will continue to "
               "optimize the program. Look forward to having you choose our products "
               "again!</p></body></html>")
        .arg(weight);
}

QString WindowTexts::leftBehind(int count, const QString &weight)
{
    return QCoreApplication::translate(
               "Uninstall",
               "<html><head/><body><p><span style='font-weight:%1;'>%n item(s) of the "
               "installation could not be removed.</span></p><p>You may delete what is left of "
               "the installation folder yourself.</p></body></html>",
               nullptr,
               count)
        .arg(weight);
}

QString WindowTexts::removalRefused(bool missing, const QString &folder)
{
    return (missing ? QCoreApplication::translate(
                "Uninstall", "The installation folder %1 does not exist. Nothing was removed.")
                    : QCoreApplication::translate("Uninstall",
                                                  "The folder %1 is not an installation that may "
                                                  "be removed. Nothing was removed."))
        .arg(folder.toHtmlEscaped());
}
