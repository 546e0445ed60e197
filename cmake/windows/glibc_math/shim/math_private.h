#include <math.h>
#include <stdint.h>
