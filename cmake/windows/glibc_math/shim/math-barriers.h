/* As glibc's x86 ones for SSE values: keep the compiler from moving or folding the computation. */
#define math_opt_barrier(x) \
  ({ __typeof(x) __x = (x); __asm("" : "+x"(__x)); __x; })
#define math_force_eval(x) \
  ({ __typeof(x) __x = (x); __asm __volatile__("" : : "x"(__x)); })
