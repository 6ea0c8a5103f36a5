"""The reference management server: an independent peer for the Vireo terminal."""
