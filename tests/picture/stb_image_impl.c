/* stb_image's implementation for the Windows build, where no prebuilt library of it exists
   for the target. Only what the tests use. */
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_TGA
#define STBI_NO_STDIO
#include <stb_image.h>
