#include <fenv.h>
/* The game never leaves round-to-nearest, so there is no mode to save and restore. */
#define SET_RESTORE_ROUND(mode)
#define SET_RESTORE_ROUND_53BIT(mode)
