/* The exported names are made in dispatch.c. */
#define libm_alias_double(from, to)
#define libm_alias_double_other(from, to)
