// The few POSIX memory calls the image tests use (anonymous mappings and
// guard pages), for Windows; see posix_shim.cpp.
#pragma once

#include <stddef.h>

#define PROT_NONE 0
#define PROT_READ 1
#define PROT_WRITE 2
#define MAP_PRIVATE 2
#define MAP_ANONYMOUS 0x20
#define MAP_FAILED ((void*)-1)
#define _SC_PAGESIZE 30

// Anonymous mappings only.
void* mmap(void* address, size_t size, int protection, int flags, int file, long offset);
int mprotect(void* address, size_t size, int protection);
int munmap(void* address, size_t size);
long sysconf(int name);
