/* sin, cos, sincos, atan and pow as the Linux program gets them from glibc on the same processor:
   glibc picks, once, a build of each compiled with fused multiply-add (when the processor has FMA
   and AVX2, or else FMA4) or one without, and the two round differently now and then. */

#define DECLARE(v)                                  \
  double cw_glibc_sin_##v(double);                  \
  double cw_glibc_cos_##v(double);                  \
  void cw_glibc_sincos_##v(double, double*, double*); \
  double cw_glibc_atan_##v(double);                 \
  double cw_glibc_pow_##v(double, double);
DECLARE(sse2)
DECLARE(fma)
DECLARE(fma4)

enum { kSse2, kFma, kFma4 };
static int variant = kSse2;

/* glibc's own choice (sysdeps/x86_64/fpu/multiarch/ifunc-avx-fma4.h and ifunc-fma4.h); its AVX build
   only re-encodes the SSE2 one. */
__attribute__((constructor)) static void ChooseVariant(void) {
  __builtin_cpu_init();
  if (__builtin_cpu_supports("fma") && __builtin_cpu_supports("avx2"))
    variant = kFma;
  else if (__builtin_cpu_supports("fma4"))
    variant = kFma4;
  else
    variant = kSse2;
}

#define PICK(name, ...)                                                         \
  switch (variant) {                                                            \
    case kFma: return cw_glibc_##name##_fma(__VA_ARGS__);                       \
    case kFma4: return cw_glibc_##name##_fma4(__VA_ARGS__);                     \
    default: return cw_glibc_##name##_sse2(__VA_ARGS__);                        \
  }

__declspec(dllexport) double sin(double x) { PICK(sin, x) }
__declspec(dllexport) double cos(double x) { PICK(cos, x) }
__declspec(dllexport) void sincos(double x, double* s, double* c) { PICK(sincos, x, s, c) }
__declspec(dllexport) double atan(double x) { PICK(atan, x) }
__declspec(dllexport) double pow(double x, double y) { PICK(pow, x, y) }

__declspec(dllexport) const char* glibc_math_variant(void) {
  return variant == kFma ? "fma" : variant == kFma4 ? "fma4" : "sse2";
}
