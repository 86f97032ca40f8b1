#pragma once
// A long print allocates and frees a large drawing buffer for every page it writes. By default
// the C library hands such buffers back to the system on every free and takes them again for
// the next page, which costs about a tenth of writing a PDF of thousands of pages. Programs of
// our own that print long runs (the command line, the benches) ask it to keep freed memory for
// reuse instead; a host process that loads the module is left as its owner set it up.

// Keeps freed memory in the process for reuse (up to a few hundred megabytes); nothing where
// the C library offers no such setting.
void keepFreedMemoryForReuse();
