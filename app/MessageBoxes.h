#pragma once

#include <QString>

// Every modal box of the program goes through this one interface, so tests can read and answer them.
enum class BoxIcon { None, Information, Question, Error };
enum class BoxButtons { Ok, YesNo };
enum class BoxAnswer { Ok, Yes, No };

struct BoxRequest {
    QString caption;
    QString text; // lines separated by CR LF, exactly as the program words them
    BoxIcon icon = BoxIcon::None;
    BoxButtons buttons = BoxButtons::Ok;
};

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual BoxAnswer show(const BoxRequest& request) = 0;
};

// The boxes in use; the real modal dialogs unless a test installed its own.
MessageBoxes& messageBoxes();
void setMessageBoxes(MessageBoxes* boxes); // nullptr restores the real dialogs

// The box kinds the program uses.
void ShowInformationBox(const QString& text); // caption "Information", information icon, OK
void ShowPlainBox(const QString& text);       // application title, no icon, OK
void ShowErrorBox(const QString& text);       // application title, error icon, OK
BoxAnswer AskYesNo(const QString& caption, const QString& text); // question icon, Yes / No
