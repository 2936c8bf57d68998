#!/bin/sh
# Stands in for the compiler: records its working directory and each argument on a line.
{
  pwd
  for Argument in "$@"; do echo "$Argument"; done
} > "$(dirname "$0")/compiler.log"
