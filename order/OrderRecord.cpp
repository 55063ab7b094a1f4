#include "order/OrderRecord.h"

#include "order/Text1252.h"

#include <VendorConfig.h>

#include <QSaveFile>

#include <array>
#include <string>

QString MakeOrderStamp(const platform::LocalDateTime& time, const platform::RegionalFormats& formats) {
    std::string text = platform::FormatShortDate(formats.shortDatePattern, time);
    if (time.hour != 0 || time.minute != 0 || time.second != 0)
        text += " " + platform::FormatLongTime(formats.longTime, time);
    // Count characters, not UTF-16 units, so a character outside the BMP is not split in two.
    std::u32string characters = QString::fromUtf8(text).toStdU32String();
    if (characters.size() >= 11)
        characters[10] = U'-';
    return QString::fromStdU32String(characters);
}

QString MakeOrderStamp() {
    return MakeOrderStamp(platform::CurrentClock().now(), platform::CurrentRegionalSettings().current());
}

QString WordSuffix(bool siTicked, bool noTicked) {
    QString suffix;
    if (siTicked)
        suffix += QStringLiteral("_SI_Word");
    if (noTicked)
        suffix += QStringLiteral("_NO_Word");
    return suffix;
}

QStringList BuildOrderRecord(const OrderRecordFields& f) {
    return {
        QStringLiteral(" %0& ORDINE:"),
        QStringLiteral(" %1& ") + f.stamp,
        QStringLiteral(" %2& ") + f.localAddress,
        QStringLiteral(" %3& ") + f.name + QStringLiteral(" - ") + f.surname,
        QStringLiteral(" %4& ") + f.n2,
        QStringLiteral(" %5& ") + f.adr + u' ' + f.city + u' ' + f.country,
        QStringLiteral(" %6& ") + f.mail,
        QStringLiteral(" %7& ") + f.productCode,
        QStringLiteral(" %8& ") + f.volumeSerial,
        QStringLiteral(" %9& ") + f.hwProfileId,
    };
}

QByteArray OrderFileText(const QStringList& lines) {
    QString text;
    for (const QString& line : lines)
        text += line + QStringLiteral("\r\n");
    text += QStringLiteral("\r\n");
    return ToCp1252(text);
}

QByteArray InstructionsText() {
    const QString mail = QString::fromUtf8(vendor::ContactMail);
    const QString phoneFax = QString::fromUtf8(vendor::PhoneFax);
    const QString webSite = QString::fromUtf8(vendor::WebSite);
    const std::array<QString, 49> lines = {
        QStringLiteral("                by \"QRB SOFTWARE\""),
        QStringLiteral(" "),
        QStringLiteral("- Italiano -"),
        QStringLiteral("Rimaniamo in attesa di conferma del pagamento."),
        QStringLiteral("Modalità di consegna del prodotto."),
        QStringLiteral("Entro un giorno lavorativo dal momento del Vostro ordine, Vi invieremo una Mail"),
        QStringLiteral("con i dati per effettuare il download del prodotto software acquistato."),
        QStringLiteral("Nella mail saranno allegati:"),
        QStringLiteral("- Link per il download del prodotto software;"),
        QStringLiteral("- Certificazione di licenza d'uso del prodotto software;"),
        QStringLiteral("- Istruzioni per l'installazione."),
        QStringLiteral("Disponibili per ulteriori informazioni: ") + mail,
        QStringLiteral(" "),
        QStringLiteral("- English -"),
        QStringLiteral("We await confirmation of payment. "),
        QStringLiteral("Methods of delivery of the product."),
        QStringLiteral("Within one business day from the time of your order, we will send You an E-mail"),
        QStringLiteral("with the information to download the purchased software product."),
        QStringLiteral("The mail will be attached:"),
        QStringLiteral(" - Download link for the software product; "),
        QStringLiteral(" - Certification of license to use the software product; "),
        QStringLiteral(" - Installation instructions. "),
        QStringLiteral("Available for further information: ") + mail,
        QStringLiteral(" "),
        QStringLiteral("- Français - "),
        QStringLiteral("Nous attendons la confirmation du paiement."),
        QStringLiteral("Modalités de livraison du produit."),
        QStringLiteral(
            "Dans un jour de travail à partir du moment de votre commande, nous vous enverrons un e-mail"),
        QStringLiteral("avec les données de télécharger un logiciel acheté le - produit."),
        QStringLiteral(" - Lien de téléchargement du produit logiciel;"),
        QStringLiteral(" - Certification de licence d'utilisation du logiciel;"),
        QStringLiteral(" - Instructions d'installation. "),
        QStringLiteral("Disponible pour informations: ") + mail,
        QStringLiteral(" "),
        QStringLiteral("- Español - "),
        QStringLiteral("Esperamos confirmación de pago."),
        QStringLiteral("Métodos de entrega del producto."),
        QStringLiteral("Dentro de un día de trabajo desde el momento de su pedido, le enviaremos un E-mail"),
        QStringLiteral("con los datos para descargar el producto software comprado."),
        QStringLiteral("En el correo se adjuntará:"),
        QStringLiteral(" - Enlace de descarga para el producto de software;"),
        QStringLiteral(" - Certificación de licencia para utilizar el producto de software;"),
        QStringLiteral(" - Instrucciones de instalación. "),
        QStringLiteral("Disponible para más información: ") + mail,
        QStringLiteral(" "),
        QStringLiteral(" QRB SOFTWARE"),
        QStringLiteral(" Tel. e Fax ") + phoneFax,
        u' ' + mail + u' ',
        u' ' + webSite + u' ',
    };
    QString text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            text += QStringLiteral("\r\n");
        text += lines[i];
    }
    return ToCp1252(text);
}

namespace {

// Through a temporary file in the same folder that replaces the target only when complete: a failed or
// interrupted write never leaves half a record or half the instructions behind.
void WriteWhole(const QString& path, const QByteArray& content) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw EFCreateError("Cannot create file " + path.toStdString());
    // Flush before committing: a buffered tail that fails to reach the disk (file too large, disk full)
    // is not reported by commit(), which would then put a truncated file in place.
    if (file.write(content) != content.size() || !file.flush() || !file.commit())
        throw EWriteError("Stream write error");
}

} // namespace

void WriteOrderFile(const QString& path, const QStringList& lines) {
    WriteWhole(path, OrderFileText(lines));
}

void WriteInstructionsFile(const QString& path) {
    WriteWhole(path, InstructionsText());
}

void WriteOrderFile(const QStringList& lines) {
    WriteOrderFile(QString::fromLatin1(OrderFileName), lines);
}

void WriteInstructionsFile() {
    WriteInstructionsFile(QString::fromLatin1(OrderFileName));
}
