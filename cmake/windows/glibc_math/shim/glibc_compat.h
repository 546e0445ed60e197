/* Included before each glibc source: what its internal headers would have defined. */
#include <errno.h>
#define attribute_hidden
#ifndef __glibc_unlikely
#define __glibc_unlikely(c) __builtin_expect((c), 0)
#endif
#ifndef __glibc_likely
#define __glibc_likely(c) __builtin_expect((c), 1)
#endif
#ifndef __always_inline
#define __always_inline __inline __attribute__((__always_inline__))
#endif
#define __set_errno(e) (errno = (e))
