# bash completion for pieceset                               -*- shell-script -*-

_pieceset() {
  local cur prev words cword
  _init_completion || return

  local commands="cut verify show join repair write rescue"
  local command="" i
  for ((i = 1; i < cword; i++)); do
    case ${words[i]} in
      cut | verify | show | join | repair | write | rescue) command=${words[i]}; break ;;
    esac
  done

  case $prev in
    --media | --first-media)
      COMPREPLY=($(compgen -W "360K 720K 1.2M 1.44M 2.88M 100M 250M 650M 700M" -- "$cur"))
      return ;;
    --fs)
      COMPREPLY=($(compgen -W "fat12 fat16 iso9660" -- "$cur"))
      return ;;
    --name | --recovery)
      return ;;
    --name-file | --launcher | --repair-exe)
      _filedir
      return ;;
    --device)
      # whole drives only: floppy, Zip and other disks, no partitions
      COMPREPLY=($(compgen -W "$(lsblk -dnpo NAME 2>/dev/null)" -- "$cur"))
      return ;;
    -o | --out)
      # cut and repair write a folder, join and rescue a file
      if [[ $command == cut || $command == repair ]]; then _filedir -d; else _filedir; fi
      return ;;
  esac

  local options
  case $command in
    "") options="-h --help --version" ;;
    cut) options="--name --name-file --media --first-media --fs --launcher --with-launcher --flat --images --recovery --repair-exe --no-repair-exe --force -o --out -h --help" ;;
    verify | show) options="-h --help" ;;
    join | repair | rescue) options="-o --out --force -h --help" ;;
    write) options="--device --yes -h --help" ;;
  esac

  if [[ $cur == -* ]]; then
    COMPREPLY=($(compgen -W "$options" -- "$cur"))
  elif [[ -z $command ]]; then
    COMPREPLY=($(compgen -W "$commands" -- "$cur"))
  elif [[ $command == rescue ]]; then
    COMPREPLY=($(compgen -W "$(lsblk -dnpo NAME 2>/dev/null)" -- "$cur"))
  else
    # installers, pieces, disk folders and images alike
    _filedir
  fi
} &&
  complete -F _pieceset pieceset
