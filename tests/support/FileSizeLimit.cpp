#include "FileSizeLimit.h"

#include <csignal>
#include <stdexcept>

FileSizeLimit::FileSizeLimit(qint64 bytes) {
    getrlimit(RLIMIT_FSIZE, &previous_);
    previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = previous_;
    limited.rlim_cur = rlim_t(bytes);
    if (setrlimit(RLIMIT_FSIZE, &limited) != 0) throw std::runtime_error("cannot limit the file size");
}

FileSizeLimit::~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &previous_);
    std::signal(SIGXFSZ, previousHandler_);
}
