// #if arithmetic at the edges must not be undefined behaviour.
#if (-9223372036854775807 - 1) / -1
#endif
#if (-9223372036854775807 - 1) % -1
#endif
#if 1 << 99
#endif
#if 1 << -1
#endif
#if 9223372036854775807 + 1
#endif
#if 99999999999999999999999
#endif
#if 7 / 0
#endif
float a;
