// The smallest 32-bit x86 Linux program: it only exits, with status 0,
// through the i386 system call gate. Static and without any library, so that
// running it asks one thing only: does this kernel execute 32-bit programs?
void _start(void) { __asm__ volatile("movl $1, %eax\n\txorl %ebx, %ebx\n\tint $0x80"); }
