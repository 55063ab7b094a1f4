#include "app/ErrorGuard.h"
#include "app/FormSet.h"
#include "app/MessageBoxes.h"
#include "app/ShellApplication.h"
#include "order/URedAzo.h"

#include <QIcon>

#include <cstdio>

int main(int argc, char** argv) {
    ShellApplication app(argc, argv);
    app.setWindowIcon(QIcon(QStringLiteral(":/icons/MAINICON.ico")));
    InstallFontSubstitutes();

    bool created = false;
    Guarded([&] {
        CreateForms();
        created = true;
    });
    if (!created)
        return 1; // the error box has told why; no window was shown

    FormOr->show();
    app.exec();
    DestroyForms();
    return 0;
}
