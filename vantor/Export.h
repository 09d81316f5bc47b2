/* The mark of what the shared libraries export. Both are built with hidden
 * visibility: a class or function is part of the stated interface when it is
 * declared with VANTOR_API. Plain preprocessor, so C and C++ headers share it. */
#ifndef VANTOR_EXPORT_H
#define VANTOR_EXPORT_H

#if defined(__GNUC__) || defined(__clang__)
#define VANTOR_API __attribute__((visibility("default")))
#else
#define VANTOR_API
#endif

#endif
