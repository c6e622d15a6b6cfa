/* consumer.c -- a C program outside the project that uses an installed cvnaaccr,
   built once through find_package(cvnaaccr) and once through pkg-config.

   Usage: consumer [VERSION]
   Checks that the library reports the version of the header it was built
   with (and VERSION, the version the package manager announced, when given),
   and that cvCalcCRC32 gives the CRC-32 check value 0xCBF43926 for
   "123456789".  Exits 0 when all holds, 1 otherwise. */
#include <stdio.h>
#include <string.h>

#include <cvnaaccr.h>

int main(int argc, char **argv)
{
    NaaccrLibraryInfo info;
    memset(&info, 0, sizeof info);
    if (cvGet_cvnaaccr_dll_info(&info) != 0) {
        fprintf(stderr, "consumer: cvGet_cvnaaccr_dll_info failed\n");
        return 1;
    }
    if (strcmp(info.library_version, CVNAACCR_VERSION_STRING) != 0) {
        fprintf(stderr, "consumer: library %s, header %s\n", info.library_version, CVNAACCR_VERSION_STRING);
        return 1;
    }
    if (argc > 1 && strcmp(info.library_version, argv[1]) != 0) {
        fprintf(stderr, "consumer: library %s, package %s\n", info.library_version, argv[1]);
        return 1;
    }

    /* The field at column 10 lies past the 9 bytes, so all of them are hashed. */
    const char text[] = "123456789";
    uint32_t crc = cvCalcCRC32(text, 9, 10, 8);
    if (crc != 0xCBF43926u) {
        fprintf(stderr, "consumer: CRC-32 of \"%s\" is %08lx, not cbf43926\n", text, (unsigned long)crc);
        return 1;
    }
    printf("cvnaaccr %s: CRC-32 of \"%s\" is %08lx\n", info.library_version, text, (unsigned long)crc);
    return 0;
}
