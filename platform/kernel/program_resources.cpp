// The bytes cmake/resources.cmake embeds into a program that has a resource script. Weak, so
// that a program without one links and has no resources.
#include "kernel/resource_image.h"

extern "C" {
extern const unsigned char winsim_program_resources[] __attribute__((weak));
extern const unsigned int winsim_program_resources_size __attribute__((weak));
}

namespace platform::resources {

const Image& program() {
  static const Image image = &winsim_program_resources_size
                                 ? parse(winsim_program_resources, winsim_program_resources_size)
                                 : Image();
  return image;
}

}  // namespace platform::resources
