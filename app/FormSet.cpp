#include "app/FormSet.h"

#include "mailcheck/UnVerMail.h"
#include "order/URedAzo.h"
#include "transfer/UnFTP.h"

#include <QFont>

void CreateForms() {
    FormOr = new TFormOr();
    FormOr->FormCreate(FormOr);
    FormFTP = new TFormFTP();
    ForVerMail = new TForVerMail();
}

void DestroyForms() {
    delete ForVerMail;
    ForVerMail = nullptr;
    delete FormFTP;
    FormFTP = nullptr;
    delete FormOr;
    FormOr = nullptr;
}

void ResetProgramState() {
    ResetOrderModuleState();
    ResetVerifierModuleState();
}

void InstallFontSubstitutes() {
    // Liberation Sans keeps the widths of the old Windows sans-serif faces; DejaVu Sans descends from
    // the same design brief as Verdana.
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Small Fonts"),
                               {QStringLiteral("Liberation Sans Narrow"), QStringLiteral("Liberation Sans"),
                                QStringLiteral("DejaVu Sans Condensed")});
    QFont::insertSubstitutions(QStringLiteral("Verdana"), {QStringLiteral("DejaVu Sans")});
}
