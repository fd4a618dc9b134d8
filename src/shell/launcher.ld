/* Layout of the shipped exe: three sections, so that the PE headers fit in one
   512-byte block and no section is a nearly empty block of its own. Code and
   constants share the read-only section; the import tables (which the loader
   writes), the data and the zeroed data share the writable one. There is no
   C runtime, hence no constructor lists, no TLS and no pseudo-relocations. */
OUTPUT_FORMAT(pei-i386)
SECTIONS
{
  . = SIZEOF_HEADERS;
  . = ALIGN(__section_alignment__);
  .text __image_base__ + (__section_alignment__ < 0x1000 ? . : __section_alignment__) :
  {
    *(.text)
    *(SORT(.text$*))
    *(.text.*)
    *(.rdata)
    *(SORT(.rdata$*))
  }
  /* Named .idata because the linker points the import directory at the
     section of that name; the import descriptors must therefore come first. */
  .idata BLOCK(__section_alignment__) :
  {
    KEEP (SORT(*)(.idata$2))
    KEEP (SORT(*)(.idata$3))
    LONG (0); LONG (0); LONG (0); LONG (0); LONG (0);
    KEEP (SORT(*)(.idata$4))
    __IAT_start__ = .;
    KEEP (SORT(*)(.idata$5))
    __IAT_end__ = .;
    KEEP (SORT(*)(.idata$6))
    KEEP (SORT(*)(.idata$7))
    *(.data)
    *(SORT(.data$*))
    *(.bss)
    *(SORT(.bss$*))
    *(COMMON)
  }
  .rsrc BLOCK(__section_alignment__) :
  {
    KEEP (*(.rsrc))
    KEEP (*(SORT(.rsrc$*)))
  }
  /DISCARD/ :
  {
    *(.drectve)
    *(.debug*)
    *(.eh_frame*)
    *(.note*)
    *(.gnu.lto_*)
    *(.comment)
  }
}
