#pragma once

// The resident memory of this process, as the operating system counts it.

namespace testing_support {

// In KiB; -1 when the system does not say.
long ResidentKilobytes();

}  // namespace testing_support
