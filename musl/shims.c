/* What the objects built for glibc in a musl link expect glibc to define.
 * Compiled for musl by musl/build-toolchain into libmusl-shims.a. */

#include <elf.h>
#include <link.h>
#include <stddef.h>
#include <stdint.h>

/* C++ registers static destructors against this. gcc's crtbegin.o would
 * define it, but the rest of crtbegin.o is made for glibc's start-up, and
 * musl ignores the argument anyway. */
void *__dso_handle __attribute__((visibility("hidden"))) = 0;

/* libgcc's unwinder (libgcc_eh.a), built against glibc 2.35 or later, asks
 * glibc's _dl_find_object which object holds a code address and where its
 * frame table (PT_GNU_EH_FRAME) is. ARM's EHABI unwinder finds its tables
 * another way and never calls it. The layout is glibc's ABI. */
struct dl_find_object {
    unsigned long long dlfo_flags;
    void *dlfo_map_start;
    void *dlfo_map_end;
    void *dlfo_link_map;
    void *dlfo_eh_frame;
#if defined(__i386__)
    /* DW_EH_PE_datarel base: the GOT. A static executable has one. */
    void *dlfo_eh_dbase;
    unsigned int dlfo_eh_dbase_pad;
#endif
    unsigned long long dlfo_reserved[7];
};

#if defined(__i386__)
extern char _GLOBAL_OFFSET_TABLE_[] __attribute__((visibility("hidden"), weak));
#endif

struct search {
    uintptr_t address;
    struct dl_find_object *result;
    int found;
};

static int visit(struct dl_phdr_info *info, size_t size, void *data)
{
    (void)size;
    struct search *search = data;
    const ElfW(Phdr) *frames = NULL;
    int holds = 0;
    uintptr_t start = UINTPTR_MAX, end = 0;
    for (ElfW(Half) i = 0; i < info->dlpi_phnum; i++) {
        const ElfW(Phdr) *p = &info->dlpi_phdr[i];
        if (p->p_type == PT_GNU_EH_FRAME) {
            frames = p;
        } else if (p->p_type == PT_LOAD) {
            uintptr_t low = info->dlpi_addr + p->p_vaddr;
            uintptr_t high = low + p->p_memsz;
            holds |= search->address >= low && search->address < high;
            start = low < start ? low : start;
            end = high > end ? high : end;
        }
    }
    if (!holds) {
        return 0;
    }
    struct dl_find_object *r = search->result;
    *r = (struct dl_find_object){0};
    r->dlfo_map_start = (void *)start;
    r->dlfo_map_end = (void *)end;
    r->dlfo_eh_frame = frames ? (void *)(info->dlpi_addr + frames->p_vaddr) : NULL;
#if defined(__i386__)
    r->dlfo_eh_dbase = _GLOBAL_OFFSET_TABLE_;
#endif
    search->found = 1;
    return 1;
}

int _dl_find_object(void *address, struct dl_find_object *result)
{
    struct search search = {(uintptr_t)address, result, 0};
    dl_iterate_phdr(visit, &search);
    return search.found ? 0 : -1;
}
