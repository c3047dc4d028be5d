#pragma once

// The resident memory of this process in MiB, as the kernel counts it.
double residentMiB();
