#pragma once
// The platform layer as the menu sees it: the names of the VCL and of the
// few Windows calls it makes.

#include <vcl/ansistring.h>
#include <vcl/classes.h>
#include <vcl/controls.h>
#include <vcl/forms.h>
#include <vcl/registry.h>
#include <vcl/sysutils.h>
#include <vcl/types.h>
#include <vcl/winapi.h>

using namespace vcl;
