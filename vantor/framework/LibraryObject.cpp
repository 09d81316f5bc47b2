#include "vantor/framework/LibraryObject.hpp"

#include <atomic>

namespace vantor {

namespace {
std::atomic<int64_t> gAlive{0};
} // namespace

LibraryObject::LibraryObject() { ++gAlive; }

LibraryObject::LibraryObject(const LibraryObject&) { ++gAlive; }

LibraryObject::~LibraryObject() { --gAlive; }

int64_t LibraryObject::Alive() { return gAlive.load(); }

} // namespace vantor
