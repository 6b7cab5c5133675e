"""Bad input and faults."""
