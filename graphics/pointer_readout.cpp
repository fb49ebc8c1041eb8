#include "pointer_readout.h"
