#include "motion_figures.h"
