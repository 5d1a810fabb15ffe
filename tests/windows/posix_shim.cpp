// POSIX memory calls of the image tests on VirtualAlloc and friends.
#include "shim/sys/mman.h"

#include <windows.h>

namespace {

DWORD PageProtection(int protection) {
  if (protection & PROT_WRITE) return PAGE_READWRITE;
  return protection & PROT_READ ? PAGE_READONLY : PAGE_NOACCESS;
}

}  // namespace

void* mmap(void*, size_t size, int protection, int, int, long) {
  void* block = VirtualAlloc(nullptr, size, MEM_RESERVE | MEM_COMMIT, PageProtection(protection));
  return block != nullptr ? block : MAP_FAILED;
}

int mprotect(void* address, size_t size, int protection) {
  DWORD before = 0;
  return VirtualProtect(address, size, PageProtection(protection), &before) ? 0 : -1;
}

int munmap(void* address, size_t) { return VirtualFree(address, 0, MEM_RELEASE) ? 0 : -1; }

long sysconf(int name) {
  if (name != _SC_PAGESIZE) return -1;
  SYSTEM_INFO info;
  GetSystemInfo(&info);
  return long(info.dwPageSize);
}
