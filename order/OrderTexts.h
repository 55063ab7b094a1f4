#pragma once

#include <QString>

// The fixed texts the customer reads in the program's boxes. Lines are separated by CR LF.
QString ThankYouText();

QString NotSentCaption();
QString NotSentText();
QString SentCaption();
QString SentText();
