#include "order/OrderTexts.h"

#include "VendorConfig.h"

#include <QStringList>

namespace {

QString Blanks(int count) {
    return QString(count, QLatin1Char(' '));
}

} // namespace

QString ThankYouText() {
    const QStringList lines = {
        Blanks(30) + QStringLiteral("by \"QRB SOFTWARE\""),
        Blanks(23) + QStringLiteral("Thank you for Your order."),
        Blanks(13) + QStringLiteral("We will send an email to complete the procedure."),
        Blanks(13) + QStringLiteral("Another delivery email will follow with the data for"),
        Blanks(13) + QStringLiteral("downloading the required software product."),
        Blanks(38) + QStringLiteral("*   *   * "),
        Blanks(29) + QStringLiteral("Grazie per il Vs. ordine."),
        Blanks(13) + QStringLiteral("Invieremo una mail per completare la procedura. "),
        Blanks(13) + QStringLiteral("Seguir\u00e0 un'altra mail di consegna contenente i dati"),
        Blanks(13) + QStringLiteral("per il download del prodotto software richiesto."),
        Blanks(38) + QStringLiteral("*   *   * "),
        Blanks(23) + QStringLiteral("Available for further information: "),
        Blanks(32) + QString::fromUtf8(vendor::ContactMail),
        Blanks(9) + QStringLiteral("PRESS OK TO FINISH - PREMI OK PER COMPLETARE"),
    };
    return lines.join(QStringLiteral("\r\n"));
}

QString NotSentCaption() {
    return Blanks(23) + QStringLiteral("QRB SOFTWARE");
}

QString NotSentText() {
    return QStringList{QStringLiteral("The data have NOT been sent."),
                       QStringLiteral("WOULD YOU LIKE TO COMPLETE THE PROCEDURE?"),
                       QStringLiteral("I dati NON sono stati inviati."),
                       QStringLiteral("VUOI COMPLETARE LA PROCEDURA?")}
        .join(QStringLiteral("\r\n"));
}

QString SentCaption() {
    return Blanks(25) + QStringLiteral("QRB SOFTWARE");
}

QString SentText() {
    return QStringList{
        QStringLiteral("The data have been sent successfully. "),
        QStringLiteral("An email will be sent shortly with instructions to complete your order."),
        QStringLiteral("I dati sono stati inviati correttamente."),
        QStringLiteral("Una mail verr\u00e0 inviata a breve con le istruzioni per completare il Vs. ordine.")}
        .join(QStringLiteral("\r\n"));
}
