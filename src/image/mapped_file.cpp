#include "image/mapped_file.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <new>

namespace vorbexia {
namespace {

// Closes the descriptor unless it was handed on.
struct DescriptorGuard {
  int descriptor;
  ~DescriptorGuard() {
    if (descriptor >= 0) close(descriptor);
  }
};

// Opening never blocks: a FIFO or a device where a picture should be would
// otherwise wait for a writer for ever.
int OpenWithoutBlocking(const char* name) {
  return open(name, O_RDONLY | O_CLOEXEC | O_NONBLOCK);
}

// --- A file cut short while it is mapped ------------------------------------
//
// A page of the mapping that lies wholly past the file's present end raises
// SIGBUS when read. While a read is guarded, the handler puts a page of zeros
// in its place and the read goes on; afterwards the flag tells that the file
// was cut short. The handler's state lives here, as a signal handler's must.
struct BusErrorState {
  uintptr_t start = 0;  // the guarded mapping
  size_t length = 0;    // bytes, whole pages
  size_t page = 0;      // bytes
  struct sigaction previous {};
  volatile sig_atomic_t cut_short = 0;
};
BusErrorState bus_error;

void OnBusError(int, siginfo_t* info, void*) {
  const uintptr_t address = reinterpret_cast<uintptr_t>(info->si_addr);
  if (info->si_code > 0 && address - bus_error.start < bus_error.length) {
    void* page = reinterpret_cast<void*>(address & ~(bus_error.page - 1));
    if (mmap(page, bus_error.page, PROT_READ, MAP_FIXED | MAP_ANONYMOUS | MAP_PRIVATE, -1, 0) !=
        MAP_FAILED) {
      bus_error.cut_short = 1;
      return;  // the read is tried again and finds zeros
    }
  }
  // Not ours: whoever handled SIGBUS before gets it. A fault recurs when the
  // instruction is tried again; a signal that was sent is sent again.
  sigaction(SIGBUS, &bus_error.previous, nullptr);
  if (info->si_code <= 0) raise(SIGBUS);
}

// Installs the handler for the life of the object, over the given mapping.
class BusErrorGuard {
 public:
  BusErrorGuard(const uint8_t* start, size_t size) {
    bus_error.page = size_t(sysconf(_SC_PAGESIZE));
    bus_error.start = reinterpret_cast<uintptr_t>(start);
    bus_error.length = (size + bus_error.page - 1) / bus_error.page * bus_error.page;
    bus_error.cut_short = 0;
    struct sigaction action {};
    action.sa_sigaction = OnBusError;
    action.sa_flags = SA_SIGINFO;
    sigemptyset(&action.sa_mask);
    sigaction(SIGBUS, &action, &bus_error.previous);
  }
  ~BusErrorGuard() {
    sigaction(SIGBUS, &bus_error.previous, nullptr);
    bus_error.length = 0;
  }
  BusErrorGuard(const BusErrorGuard&) = delete;
  BusErrorGuard& operator=(const BusErrorGuard&) = delete;

  bool CutShort() const { return bus_error.cut_short != 0; }
};

}  // namespace

bool CanOpenForReading(const char* name) {
  const int descriptor = OpenWithoutBlocking(name);
  if (descriptor < 0) return false;
  close(descriptor);
  return true;
}

MappedFile::MappedFile(intptr_t file, intptr_t mapping, const uint8_t* data, size_t size)
    : file_(file), mapping_(mapping), data_(data), size_(size) {}

std::unique_ptr<MappedFile> MappedFile::Open(const char* name) {
  DescriptorGuard guard{OpenWithoutBlocking(name)};
  if (guard.descriptor < 0) return nullptr;
  struct stat status {};
  if (fstat(guard.descriptor, &status) != 0 || !S_ISREG(status.st_mode) || status.st_size <= 0) {
    return nullptr;
  }
  const size_t size = size_t(status.st_size);
  void* view = mmap(nullptr, size, PROT_READ, MAP_PRIVATE, guard.descriptor, 0);
  if (view == MAP_FAILED) return nullptr;
  auto* file = new (std::nothrow)
      MappedFile(guard.descriptor, 0, static_cast<const uint8_t*>(view), size);
  if (file == nullptr) {
    munmap(view, size);
    return nullptr;
  }
  guard.descriptor = -1;  // the file owns it now
  return std::unique_ptr<MappedFile>(file);
}

// The view first, then the file.
MappedFile::~MappedFile() {
  munmap(const_cast<uint8_t*>(data_), size_);
  close(int(file_));
}

bool MappedFile::ReadGuarded(const Reader& read) const {
  const BusErrorGuard guard(data_, size_);
  read(data_, size_);
  return !guard.CutShort();
}

}  // namespace vorbexia
