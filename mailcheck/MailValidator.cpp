#include "mailcheck/MailValidator.h"
