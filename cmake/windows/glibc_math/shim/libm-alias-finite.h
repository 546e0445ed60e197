#define libm_alias_finite(from, to)
