"""Cases that cross a real minute boundary."""
