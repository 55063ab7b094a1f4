#include "order/Text1252.h"
