#include "merge/mod_merge.h"
