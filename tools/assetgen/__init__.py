"""Quorvel's asset generator: every model and picture the game reads, made
from code with fixed seeds so each run writes the same bytes."""
