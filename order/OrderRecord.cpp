#include "order/OrderRecord.h"
