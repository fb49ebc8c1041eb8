#include "layout_rule.h"
