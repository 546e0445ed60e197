/* Only raise the underflow flag, which nobody reads here. */
#define math_check_force_underflow(x)
#define math_check_force_underflow_nonneg(x)
